#pragma once

#include <cstddef>
#include <memory>

#include "core/pipeline/ready_run.h"
#include "core/run/chain_safe_moves.h"

namespace morvane::core {

// A run in place whose files may take the names of files of the same run that move
// later: the run's own engine, over ChainSafeMoves. The result file gets the run's usual
// lines, and a line for each file that steps aside and comes back.
class ChainSafeRun : public RunEngine, private RunInteraction {
 public:
  ChainSafeRun(ReadyRun run, const ProtectedExtensions& protectedExtensions, FileSystem& fileSystem,
               ResultLog& log, RunInteraction& interaction, const CodePage& codePage = ActiveCodePage());

  OperatingMode Mode() const override { return m_engine->Mode(); }
  bool CollectsBeforeHeader() const override { return m_engine->CollectsBeforeHeader(); }
  void Collect(const std::vector<std::string>& targetList) override;
  void Execute() override;
  void WriteSummary() override { m_engine->WriteSummary(); }
  std::string EndMessage() const override { return m_engine->EndMessage(); }
  const std::vector<PlannedMove>& PlanNames() override { return m_engine->PlanNames(); }
  RunCounts Counts() const override { return m_engine->Counts(); }

  // How many files the run left under a temporary name (their old name was taken).
  std::size_t LeftAside() const { return m_leftAside; }

 private:
  // The person's interaction, told besides when each file's turn ends.
  OverwriteChoice AskOverwrite(const OverwriteQuestion& question) override;
  void ShowInformation(std::string_view text) override { m_interaction.ShowInformation(text); }
  void SetCaption(std::string_view text) override { m_interaction.SetCaption(text); }
  bool ShowsCaption() const override { return m_interaction.ShowsCaption(); }
  void ProgressBegin(std::size_t count) override { m_interaction.ProgressBegin(count); }
  void ProgressStep() override { m_interaction.ProgressStep(); }
  void ProgressEnd() override { m_interaction.ProgressEnd(); }
  void FileLeft(const LeftFile& file) override;
  void FileDone(const DoneFile& file) override;
  void TakenTimeMissing(std::string_view path) override { m_interaction.TakenTimeMissing(path); }
  bool StopRequested() override { return m_interaction.StopRequested(); }

  RunInteraction& m_interaction;
  ChainSafeMoves m_moves;
  std::unique_ptr<RunEngine> m_engine;
  std::size_t m_leftAside = 0;
};

}  // namespace morvane::core
