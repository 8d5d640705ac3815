#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/fs/file_system.h"
#include "core/log/result_log.h"
#include "core/time/local_time.h"
#include "core/undo/journal_format.h"
#include "core/undo/undo_run.h"
#include "core/undo/undo_store.h"

namespace morvane::core {

// Why the run asked for cannot be undone.
enum class UndoRefusal {
  NoRun,          // no kept journal holds a run left to undo
  NoSuchJournal,  // the id names no journal
  Unreadable,     // the journal cannot be read; the read's fault says why
  AlreadyUndone,  // an undo took the run back already (undoneBy says which)
  NothingToUndo,  // the run changed nothing (it was stopped before its first change)
};

// The run an undo takes back, as read from its journal, or why it cannot be undone.
struct UndoTarget {
  std::string id;
  std::string path;
  JournalReadResult read;
  std::optional<UndoRefusal> refusal;
  // Newer journals passed over because their runs changed nothing.
  std::vector<std::string> passedOver;

  const JournalContents& Journal() const { return *read.contents; }
};

// The journal to undo: id's when given, otherwise the newest whose run changed something
// and that no undo has taken back. Read once, and refused with the reason when it cannot
// be undone.
UndoTarget ChooseUndo(const UndoStore& store, const std::optional<std::string>& id);

// What undoing target (not refused) would do: the undo itself over a file system that
// only records its steps, with a journal that keeps nothing; its lines go to log (a
// discarding log, whose observer may show them).
UndoReport PlanUndo(const UndoTarget& target, FileSystem& fileSystem, ResultLog& log);

// Takes back target's run (not refused): the undo keeps a journal of its own in store,
// so that it can be undone in turn, writes its lines to log, and marks the run undone
// when it left nothing (a run with files left can be tried again). When its own journal
// cannot be made, nothing is touched or written and the report says why.
UndoReport TakeBack(UndoStore& store, const UndoTarget& target, FileSystem& fileSystem, ResultLog& log,
                    const LocalDateTime& now);

}  // namespace morvane::core
