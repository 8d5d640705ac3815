#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/fs/file_system.h"
#include "core/log/result_log.h"
#include "core/text/code_page.h"
#include "core/time/local_time.h"
#include "core/undo/journal_format.h"
#include "core/undo/undo_journal.h"

namespace morvane::core {

// What undo did with one change of the run it takes back.
enum class UndoResult {
  RenamedBack,     // the file is under its old name again
  CopyRemoved,     // the copy the run made is gone
  FormerRestored,  // the file the run copied over has its former content again
  CopiedAgain,     // (undoing an undo) the copy it removed is made again
  NotMade,         // the run never made this change (it was killed first, or left the file)
  NameTaken,       // the old name is another file's now; nothing was replaced
  Changed,         // the file changed since the run (another file, or new content)
  Vanished,        // the file is gone
  NotKept,         // the run could not keep the former content, so it cannot come back
  Unsure,          // a killed run's last change, neither clearly made nor clearly not
  Failed,          // the rename, removal or copy itself failed
  OutsideRun,      // the record names a path outside the folders the run worked in
};

// One change, newest first: where the file is now and where undo puts it (or would).
struct UndoEntry {
  UndoResult result = UndoResult::NotMade;
  std::string current;
  std::string restored;  // empty when the file stays where it is
};

struct UndoReport {
  std::vector<UndoEntry> entries;  // NotMade changes are left out
  int undone = 0;
  int left = 0;
  // The undo's own journal could not be made, so it touched nothing.
  std::optional<JournalFailure> journalFailure;
};

// The changes a journal says were made, or may have been (a killed run's, checked on
// disk), newest first, each with its done record's result when there is one. A killed
// run's intent without a done record may have been made only when it is the newest
// intent about its file: had it been made before a later intent was written, its done
// record would have gone out first (a file that stepped aside instead of taking its
// planned move, a conflict answered with another name).
struct MadeChange {
  const JournalOp* op = nullptr;
  bool certain = false;
  std::optional<FileIdentity> result;
};
std::vector<MadeChange> ChangesToUndo(const JournalContents& journal);

// Takes back every change of journal (read from journalPath) on fileSystem, newest first,
// through the same no-replace rename a run uses, so nothing is ever replaced; a file
// that changed, vanished or whose old name is taken is reported and left, and the rest
// are still undone. Only paths in the folders the journal names are touched, never one
// with a "." or ".." component, and of former contents only those kept beside the
// journal; a copy is removed only when its done record names it exactly. Each step is
// recorded in ownJournal ahead of it, so the undo can be undone, and in log, in the form
// of a run's lines, under the undo's own title. Over a planning file system it is the
// undo's plan.
UndoReport RunUndo(const JournalContents& journal, std::string_view journalPath, FileSystem& fileSystem,
                   UndoJournal& ownJournal, ResultLog& log, const LocalClock& clock = LocalNow,
                   const CodePage& codePage = ActiveCodePage());

// The header line of an undo's result lines (also its journal's title).
std::string UndoHeaderLine(const LocalDateTime& now, const CodePage& codePage = ActiveCodePage());

}  // namespace morvane::core
