#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/fs/file_system.h"
#include "core/time/local_time.h"
#include "core/undo/journal_format.h"

namespace morvane::core {

// The undo journals of the program folder: Undo/<id>.journal, one per run that changed
// something, where the id is the run's start ("20261208-213000"), with "-2", "-3", ...
// when that would not sort after the newest kept id (more runs in one second, a clock
// set back), so the ids sort as the runs ran. Beside a
// journal lie the former contents its run overwrote (<id>.journal.kept-<n>).
// Whether each journal had been undone (or held no change) when it was last read, with the size and time it
// had then, so that asking again reads only a journal that changed since (an undo
// appends to the journal it takes back). A journal of a million files is a hundred
// megabytes; the window asks each time its menu opens.
class UndoStatusCache {
 public:
  // Nothing: not known for the journal as it is now.
  std::optional<bool> Undone(std::string_view id, const FileInfo& now) const;
  void Remember(std::string_view id, const FileInfo& now, bool undone);

 private:
  struct Known {
    std::uint64_t size = 0;
    FileTime modified{};
    bool undone = false;
  };
  std::map<std::string, Known, std::less<>> m_known;
};

// The journal file of a new run, made under an id no other journal has, or why it could
// not be made.
struct NewJournal {
  std::string path;  // the journal's; the folder's when the folder is what failed
  std::unique_ptr<OutputFile> file;
  int error = 0;  // the errno when there is no file
};

class UndoStore {
 public:
  static constexpr std::size_t kDefaultKept = 10;

  UndoStore(FileSystem& fileSystem, std::string_view programFolder, std::size_t kept = kDefaultKept);

  const std::string& Folder() const { return m_folder; }
  std::string PathOf(std::string_view id) const;

  // The ids of the journals, newest first.
  std::vector<std::string> Ids() const;
  JournalReadResult Read(std::string_view id) const;
  // Something is at the journal's path (it may still be no journal).
  bool Exists(std::string_view id) const { return m_fileSystem.FileExists(PathOf(id)); }
  // The newest journal whose run changed something and that no undo has taken back yet
  // (or that cannot be read, so that the caller can say why it is refused). With a
  // cache, a journal unchanged since the cache learnt of it is not read again.
  std::optional<std::string> NewestToUndo(UndoStatusCache* cache = nullptr) const;

  // Makes the journal file of a run starting at now, the folder made when missing. Two
  // runs starting at once (in two processes) never get one file: the file is made only
  // where none is, and a run that finds its id taken takes the next.
  NewJournal CreateNew(const LocalDateTime& now);
  // Removes the oldest journals (and what they kept) beyond the kept number. Called once
  // a new journal is written, so that a run that changes nothing drops none.
  void Prune();
  // Records in the journal id (as read: journal) that the undo undoId took it back. A
  // journal whose write was cut loses its cut tail first, so the record stays readable.
  bool MarkUndone(std::string_view id, std::string_view undoId, const JournalContents& journal);

 private:
  void Remove(std::string_view id);

  FileSystem& m_fileSystem;
  std::string m_folder;
  std::size_t m_kept;
};

// The id of the journal at path ("" when it is no journal's path).
std::string JournalIdOf(std::string_view path);

}  // namespace morvane::core
