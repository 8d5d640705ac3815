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

namespace morvane::cli {

// The log of a dry run: nothing is written, but what the checks log (missing, filtered
// and protected files) goes to standard error.
core::ResultLog DryRunLog(const BatchIo& io);

// A dry run's plan, one "source -> destination" line per file on standard output.
void PrintPlan(const BatchIo& io, const std::vector<std::pair<std::string, std::string>>& plan);

// What a finished run tells the command: its end message, its exit status and the count
// of the files it left.
struct RunOutcome {
  std::string endMessage;
  int status = kExitSuccess;
  std::string leftSummary;
};

// Runs a command's run with a result log (written through fileSystem) whose lines are
// echoed on standard output, then prints the end message and the count of the files left
// on standard error; gives the exit status. A result file that cannot be written ends the
// run with status 1 and says why.
int RunWithEchoedLog(const ProgramSettings& program, const BatchIo& io, core::FileSystem& fileSystem,
                     const std::function<RunOutcome(core::ResultLog& log)>& run);

// Tells that a result file could not be written; gives the exit status.
int ReportLogWriteError(const BatchIo& io, const core::LogWriteError& error);

// The exit status of a finished run: aborted; some file failed, or was left at a
// conflict nobody chose to skip; or all went well.
int ExitStatusOf(const core::RunCounts& counts, const TerminalInteraction& interaction);

// Ends a dry run: prints its plan and the count of the files it would leave; gives the
// exit status.
int EndDryRun(const BatchIo& io, core::RunEngine& run, const TerminalInteraction& interaction);

}  // namespace morvane::cli
