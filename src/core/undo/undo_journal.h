#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "core/fs/file_system.h"
#include "core/undo/journal_format.h"

namespace morvane::core {

// Writes one run's journal. The file is made with the first record, so a run that
// changes nothing leaves none. Intents go out at once, each batch in one write, and
// must have been written before the change they announce is made; done records may
// wait, as a killed run's changes without one are checked on disk when undone. Nothing
// is synced: the journal guards against a killed program, not a lost disk.
class UndoJournal {
 public:
  // made is called once the file is made and holds its header (the store then drops
  // its oldest journals).
  UndoJournal(FileSystem& fileSystem, std::string path, JournalHeader header,
              std::function<void()> made = nullptr);
  ~UndoJournal();
  UndoJournal(const UndoJournal&) = delete;
  UndoJournal& operator=(const UndoJournal&) = delete;

  const std::string& Path() const { return m_path; }
  bool Started() const { return m_file != nullptr; }

  // Writes the encoded intents, after the done records still waiting. Gives 0, or the
  // errno that kept them from the disk (then no change they announce may be made).
  int WriteIntents(std::string_view intents);
  // Keeps a done record back for the next write.
  void AddDone(const JournalDone& done);
  // Writes the done records kept back.
  int FlushDone();
  // The run ended: the done records kept back and the end mark, and the file closed.
  int End();

 private:
  int Open();
  int Write(std::string_view bytes);

  FileSystem& m_fileSystem;
  std::string m_path;
  JournalHeader m_header;
  std::unique_ptr<OutputFile> m_file;
  std::function<void()> m_made;
  std::string m_pendingDone;
  int m_error = 0;
};

}  // namespace morvane::core
