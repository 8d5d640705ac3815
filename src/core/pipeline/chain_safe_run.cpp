#include "core/pipeline/chain_safe_run.h"

namespace morvane::core {

ChainSafeRun::ChainSafeRun(ReadyRun run, const ProtectedExtensions& protectedExtensions,
                           FileSystem& fileSystem, ResultLog& log, RunInteraction& interaction,
                           const CodePage& codePage)
    : m_interaction(interaction),
      m_moves(fileSystem, log, codePage),
      m_engine(MakeRunEngine(std::move(run), protectedExtensions, m_moves, log, *this, codePage)) {}

void ChainSafeRun::Collect(const std::vector<std::string>& targetList) {
  m_engine->Collect(targetList);
  m_moves.ExpectMoves(m_engine->PlanNames());
}

void ChainSafeRun::Execute() {
  m_engine->Execute();
  m_leftAside = m_moves.PutBackWhatIsAside();
}

OverwriteChoice ChainSafeRun::AskOverwrite(const OverwriteQuestion& question) {
  return m_interaction.AskOverwrite(question);
}

void ChainSafeRun::FileLeft(const LeftFile& file) {
  m_moves.TurnEnded(file.path);
  m_interaction.FileLeft(file);
}

void ChainSafeRun::FileDone(const DoneFile& file) {
  m_moves.TurnEnded(file.path);
  m_interaction.FileDone(file);
}

}  // namespace morvane::core
