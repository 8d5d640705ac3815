#include "cli/run_output.h"

#include <ostream>
#include <system_error>

#include "core/text/visible_name.h"

namespace morvane::cli {

int RunWithEchoedLog(const ProgramSettings& program, const BatchIo& io, core::FileSystem& fileSystem,
                     const std::function<RunOutcome(core::ResultLog& log)>& run) {
  try {
    core::ResultLog log(program.files.resultFile, program.files.logFile, program.log.outputLog, fileSystem);
    log.SetObserver([&io](std::string_view line) { PrintLine(io.out, line); });
    const RunOutcome outcome = run(log);
    log.Close();
    io.out << std::flush;
    if (outcome.dryRun) io.err << "Dry run: nothing was changed. The run would end so:\n";
    PrintMessage(io.err, outcome.endMessage);
    if (!outcome.leftSummary.empty()) io.err << outcome.leftSummary << '\n';
    if (!outcome.closing.empty()) io.err << outcome.closing << '\n';
    return outcome.status;
  } catch (const core::LogWriteError& error) {
    return ReportLogWriteError(io, error);
  }
}

int ExitStatusOf(const core::RunCounts& counts, const TerminalInteraction& interaction) {
  if (counts.abortRequested) return kExitAborted;
  return counts.failureCount > 0 || interaction.LeftUnchosen() ? kExitFailures : kExitSuccess;
}

int ReportLogWriteError(const BatchIo& io, const core::LogWriteError& error) {
  io.out << std::flush;
  PrintMessage(io.err, error.Message());
  io.err << "(" << core::VisibleName(error.Path()) << ")\n";
  return kExitFailures;
}

std::string JournalFailureText(const core::JournalFailure& failure) {
  return "The undo journal cannot be written (" + core::VisibleName(failure.path) + ": " +
         std::generic_category().message(failure.error) + "); no file was touched.";
}

}  // namespace morvane::cli
