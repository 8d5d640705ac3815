#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/fs/file_system.h"
#include "core/log/result_log.h"
#include "core/names/protected_extensions.h"
#include "core/pipeline/ready_run.h"
#include "core/run/run_driver.h"
#include "core/time/local_time.h"
#include "core/undo/journaling_file_system.h"
#include "core/undo/undo_journal.h"
#include "core/undo/undo_store.h"

namespace morvane::core {

// How often the result lines of a journaled run reach the disk (ResultLog's flush
// interval): the journal, not the result file, is what a killed run is undone from.
inline constexpr std::chrono::milliseconds kJournaledFlushInterval{50};

// How a journaled run ended.
struct JournaledRunEnd {
  std::string endMessage;
  RunCounts counts;
  std::string journalPath;  // the journal the run left; "" when it left none
};

// A real run, as every front end makes one: its undo journal made before any file is
// touched, the engine working on a file system that records each change in the journal
// ahead of it, the moves it means to make announced once its files are collected, the run
// driven, and the journal ended (and not left when the run changed nothing).
class JournaledRun {
 public:
  JournaledRun(FileSystem& real, std::string_view programFolder, ReadyRun run,
               const ProtectedExtensions& protectedExtensions, const LocalDateTime& now,
               const CodePage& codePage = ActiveCodePage());

  // Set when the journal cannot be written: the run must not start, as no change could
  // be taken back.
  const std::optional<JournalFailure>& Failure() const { return m_failure; }

  // The run, with its lines in log and its questions put to interaction; steps as in
  // DriveRun. Once only, and only without a Failure. A LogWriteError is passed on.
  JournaledRunEnd Drive(ResultLog& log, RunInteraction& interaction, const std::vector<std::string>& targets,
                        RunSteps steps = {});

 private:
  ReadyRun m_run;
  const ProtectedExtensions& m_protectedExtensions;
  const CodePage& m_codePage;
  UndoStore m_store;
  UndoJournal m_journal;
  JournalingFileSystem m_files;
  std::optional<JournalFailure> m_failure;
};

}  // namespace morvane::core
