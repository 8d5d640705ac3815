#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>

#include "core/fs/file_system.h"
#include "core/text/code_page.h"
#include "core/undo/journal_format.h"
#include "core/undo/undo_store.h"

namespace morvane::core {

// Why a journal cannot be made: the file (or the folder) and the errno.
struct JournalFailure {
  std::string path;
  int error = 0;
};

// Writes one run's journal into the file the store made for it, header first. Intents go
// out at once, each batch in one write, and must be wholly on disk before a change they
// announce is made; a write that fails (a full disk) fails every later one, so the
// journal ends with the last batch it holds whole. Done records may wait, as a killed
// run's changes without one are checked on disk when undone. A journal that records no
// change is removed when it ends, so a run that changes nothing leaves none. Nothing is
// synced: the journal guards against a killed program, not a lost disk.
class UndoJournal {
 public:
  // firstIntents is called once the first intents are on disk (the store then drops its
  // oldest journals).
  UndoJournal(FileSystem& fileSystem, NewJournal created, const JournalHeader& header,
              std::function<void()> firstIntents = nullptr, const CodePage& codePage = ActiveCodePage());
  ~UndoJournal();
  UndoJournal(const UndoJournal&) = delete;
  UndoJournal& operator=(const UndoJournal&) = delete;

  const std::string& Path() const { return m_path; }
  // 0 while the journal takes records; otherwise the errno that keeps them from the disk.
  int Error() const { return m_error; }
  // The Error as a failure to report, when there is one.
  std::optional<JournalFailure> Failure() const;
  // Some intent is on disk: the journal records a change the run may have made.
  bool RecordsChanges() const { return m_recordsChanges; }

  // Adds to records the record of path's folder, when the journal has not named that
  // folder yet: undo touches paths of the named folders only.
  void DeclareFolderOf(std::string& records, std::string_view path);
  // Writes the encoded records, after the done records still waiting. Gives 0, or the
  // errno that kept them from the disk (then no change they announce may be made).
  int WriteIntents(std::string_view records);
  // Keeps a done record back for the next write.
  void AddDone(const JournalDone& done);
  // Writes the done records kept back.
  int FlushDone();
  // The run ended: the done records kept back and the end mark, and the file closed (and
  // removed when it records no change). Gives 0 or the errno of the last failed write.
  int End();

 private:
  int Write(std::string_view bytes);
  void Close();

  FileSystem& m_fileSystem;
  std::string m_path;
  std::unique_ptr<OutputFile> m_file;
  std::function<void()> m_firstIntents;
  const CodePage& m_codePage;
  std::string m_pendingDone;
  bool m_recordsChanges = false;
  std::unordered_set<std::string> m_folders;
  std::string m_lastFolder;
  int m_error = 0;
};

// Writes the intent of one change with the records of the folders it touches (op.seq
// set by the caller). Gives 0 or the errno, as WriteIntents.
int WriteJournalIntent(UndoJournal& journal, const JournalOp& op);

}  // namespace morvane::core
