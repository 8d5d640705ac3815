#include "core/undo/undo_session.h"

#include <chrono>

#include "core/fs/planning_file_system.h"

namespace morvane::core {

UndoReport PlanUndo(const JournalContents& journal, FileSystem& fileSystem, ResultLog& log) {
  PlanningFileSystem planning(fileSystem);
  UndoJournal own(planning, std::string(), JournalHeader{});
  return RunUndo(journal, planning, own, log);
}

UndoReport TakeBack(UndoStore& store, std::string_view id, const JournalContents& journal,
                    FileSystem& fileSystem, ResultLog& log, const LocalDateTime& now) {
  JournalHeader header;
  header.startedAt =
      std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
          .count();
  header.title = UndoHeaderLine(now);
  header.undoes = std::string(id);
  const std::string ownPath = store.PrepareNew(now);
  UndoReport report;
  {
    UndoJournal own(fileSystem, ownPath, header, [&store] { store.Prune(); });
    report = RunUndo(journal, fileSystem, own, log);
  }
  if (report.left == 0) store.MarkUndone(id, JournalIdOf(ownPath));
  return report;
}

}  // namespace morvane::core
