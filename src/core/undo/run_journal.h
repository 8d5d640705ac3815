#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/fs/file_system.h"
#include "core/modes/ready_run.h"
#include "core/time/local_time.h"
#include "core/undo/journaling_file_system.h"
#include "core/undo/undo_journal.h"
#include "core/undo/undo_store.h"

namespace morvane::core {

// How often the result lines of a journaled run reach the disk (ResultLog's flush
// interval): the journal, not the result file, is what a killed run is undone from.
inline constexpr std::chrono::milliseconds kJournaledFlushInterval{50};

// The undo journal of one run, as a front end keeps it: the run works on Files(), the
// moves it means to make are announced once its files are collected, and End marks the
// journal complete. A journal that cannot be written refuses every change with the
// reason, so no file is ever changed without its record.
class RunJournal {
 public:
  RunJournal(FileSystem& real, std::string_view programFolder, const ReadyRun& run, const LocalDateTime& now,
             const CodePage& codePage = ActiveCodePage());

  FileSystem& Files() { return m_files; }
  // The engine's plan (PlanNames), which it keeps while the run goes on.
  void Announce(const std::vector<PlannedMove>& planned) { m_files.Announce(planned, m_copies); }
  // Gives 0 or the errno that kept the journal's end from the disk.
  int End() { return m_journal.End(); }
  const std::string& Path() const { return m_journal.Path(); }

 private:
  bool m_copies;
  UndoStore m_store;
  UndoJournal m_journal;
  JournalingFileSystem m_files;
};

}  // namespace morvane::core
