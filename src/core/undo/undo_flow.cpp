#include "core/undo/undo_flow.h"

#include "core/fs/planning_file_system.h"

namespace morvane::core {
namespace {

UndoTarget Read(const UndoStore& store, const std::string& id) {
  UndoTarget target{id, store.PathOf(id), store.Read(id), std::nullopt, {}};
  if (!target.read.contents) {
    target.refusal = store.Exists(id) ? UndoRefusal::Unreadable : UndoRefusal::NoSuchJournal;
  } else if (!target.Journal().undoneBy.empty()) {
    target.refusal = UndoRefusal::AlreadyUndone;
  } else if (target.Journal().intents.empty()) {
    target.refusal = UndoRefusal::NothingToUndo;
  }
  return target;
}

}  // namespace

UndoTarget ChooseUndo(const UndoStore& store, const std::optional<std::string>& id) {
  if (id) return Read(store, *id);
  std::vector<std::string> passedOver;
  for (const std::string& kept : store.Ids()) {
    UndoTarget target = Read(store, kept);
    if (target.refusal == UndoRefusal::AlreadyUndone) continue;
    if (target.refusal == UndoRefusal::NothingToUndo) {
      passedOver.push_back(kept);
      continue;
    }
    // A journal that cannot be read is still the one to undo: the refusal says why not.
    target.passedOver = std::move(passedOver);
    return target;
  }
  UndoTarget none;
  none.refusal = UndoRefusal::NoRun;
  none.passedOver = std::move(passedOver);
  return none;
}

UndoReport PlanUndo(const UndoTarget& target, FileSystem& fileSystem, ResultLog& log) {
  PlanningFileSystem planning(fileSystem);
  UndoJournal own(planning, NewJournal{{}, planning.OpenForWriting({}, WriteStart::CreateNew).file, 0},
                  JournalHeader{});
  return RunUndo(target.Journal(), target.path, planning, own, log);
}

UndoReport TakeBack(UndoStore& store, const UndoTarget& target, FileSystem& fileSystem, ResultLog& log,
                    const LocalDateTime& now) {
  const JournalHeader header = HeaderStartingNow(UndoHeaderLine(now), target.id);
  UndoReport report;
  std::string ownPath;
  {
    UndoJournal own(fileSystem, store.CreateNew(now), header, [&store] { store.Prune(); });
    if (std::optional<JournalFailure> failure = own.Failure()) {
      report.journalFailure = std::move(failure);
      return report;
    }
    ownPath = own.Path();
    report = RunUndo(target.Journal(), target.path, fileSystem, own, log);
  }
  if (report.left == 0) store.MarkUndone(target.id, JournalIdOf(ownPath), target.Journal());
  return report;
}

}  // namespace morvane::core
