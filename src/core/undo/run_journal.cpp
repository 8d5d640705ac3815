#include "core/undo/run_journal.h"

#include <chrono>

#include "core/run/run_frame.h"

namespace morvane::core {
namespace {

bool Copies(const ReadyRun& run) {
  switch (run.mode) {
    case RunMode::SequentialRename:
      return !run.numbering.renameInPlace;
    case RunMode::CaseConversion:
      return false;
    default:
      return !run.others.renameInPlace;
  }
}

JournalHeader HeaderOf(const ReadyRun& run, const LocalDateTime& now, const CodePage& codePage) {
  JournalHeader header;
  header.startedAt =
      std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
          .count();
  header.title = RunHeaderLine(run.mode, now, codePage);
  return header;
}

}  // namespace

RunJournal::RunJournal(FileSystem& real, std::string_view programFolder, const ReadyRun& run,
                       const LocalDateTime& now, const CodePage& codePage)
    : m_copies(Copies(run)),
      m_store(real, programFolder),
      m_journal(real, m_store.PrepareNew(now), HeaderOf(run, now, codePage), [this] { m_store.Prune(); }),
      m_files(real, m_journal) {}

}  // namespace morvane::core
