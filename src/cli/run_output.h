#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "cli/batch_io.h"
#include "cli/common_options.h"
#include "cli/terminal_interaction.h"
#include "core/log/result_log.h"
#include "core/run/run_engine.h"
#include "core/undo/undo_journal.h"

namespace morvane::cli {

// What a finished run tells the command: its end message, its exit status and the count
// of the files it left.
struct RunOutcome {
  std::string endMessage;
  int status = kExitSuccess;
  std::string leftSummary;
  bool dryRun = false;  // nothing was changed: the end message tells what a run would do
  std::string closing;  // a last line after the summary, when not empty
};

// Runs a command's run with a result log (written through fileSystem) whose lines are
// echoed on standard output, then prints the end message (after a line that says a dry
// run changed nothing), the count of the files left and the closing line on standard
// error; gives the exit status. A result file that cannot be written ends the
// run with status 1 and says why.
int RunWithEchoedLog(const ProgramSettings& program, const BatchIo& io, core::FileSystem& fileSystem,
                     const std::function<RunOutcome(core::ResultLog& log)>& run);

// Tells that a result file could not be written; gives the exit status.
int ReportLogWriteError(const BatchIo& io, const core::LogWriteError& error);

// The exit status of a finished run: aborted; some file failed, or was left at a
// conflict nobody chose to skip; or all went well.
int ExitStatusOf(const core::RunCounts& counts, const TerminalInteraction& interaction);

// The message that the undo journal of a run (or of an undo) cannot be made, said once,
// before any file: where, and the system's reason.
std::string JournalFailureText(const core::JournalFailure& failure);

}  // namespace morvane::cli
