#pragma once

#include <string_view>

#include "core/fs/file_system.h"
#include "core/log/result_log.h"
#include "core/time/local_time.h"
#include "core/undo/undo_run.h"
#include "core/undo/undo_store.h"

namespace morvane::core {

// What undoing journal would do: the undo itself over a file system that only records
// its steps, with a journal that keeps nothing; its lines go to log (a discarding log,
// whose observer may show them).
UndoReport PlanUndo(const JournalContents& journal, FileSystem& fileSystem, ResultLog& log);

// Takes back the run whose journal (read from store under id) is given: the undo keeps
// a journal of its own in store, so that it can be undone in turn, writes its lines to
// log, and marks the run undone when it left nothing (a run with files left can be tried
// again).
UndoReport TakeBack(UndoStore& store, std::string_view id, const JournalContents& journal,
                    FileSystem& fileSystem, ResultLog& log, const LocalDateTime& now);

}  // namespace morvane::core
