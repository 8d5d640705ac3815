#include "cli/run_output.h"

#include <ostream>

#include "core/text/visible_name.h"

namespace morvane::cli {

core::ResultLog DryRunLog(const BatchIo& io) {
  core::ResultLog log = core::ResultLog::Discarding();
  log.SetObserver([&io](std::string_view line) {
    if (!line.empty()) PrintLine(io.err, line);
  });
  return log;
}

void PrintPlan(const BatchIo& io, const std::vector<std::pair<std::string, std::string>>& plan) {
  for (const auto& [source, destination] : plan) {
    io.out << core::VisibleName(source) << " -> " << core::VisibleName(destination) << '\n';
  }
  io.out << std::flush;
}

int RunWithEchoedLog(const ProgramSettings& program, const BatchIo& io, core::FileSystem& fileSystem,
                     const std::function<RunOutcome(core::ResultLog& log)>& run) {
  try {
    core::ResultLog log(program.files.resultFile, program.files.logFile, program.log.outputLog, fileSystem);
    log.SetObserver([&io](std::string_view line) { PrintLine(io.out, line); });
    const RunOutcome outcome = run(log);
    log.Close();
    io.out << std::flush;
    PrintMessage(io.err, outcome.endMessage);
    if (!outcome.leftSummary.empty()) io.err << outcome.leftSummary << '\n';
    return outcome.status;
  } catch (const core::LogWriteError& error) {
    return ReportLogWriteError(io, error);
  }
}

int ExitStatusOf(const core::RunCounts& counts, const TerminalInteraction& interaction) {
  if (counts.abortRequested) return kExitAborted;
  return counts.failureCount > 0 || interaction.LeftUnchosen() ? kExitFailures : kExitSuccess;
}

int EndDryRun(const BatchIo& io, core::RunEngine& run, const TerminalInteraction& interaction) {
  PrintPlan(io, run.PlanNames());
  const std::string summary = interaction.LeftSummary();
  if (!summary.empty()) io.err << summary << '\n';
  return run.Counts().failureCount > 0 ? kExitFailures : kExitSuccess;
}

int ReportLogWriteError(const BatchIo& io, const core::LogWriteError& error) {
  io.out << std::flush;
  PrintMessage(io.err, error.Message());
  io.err << "(" << core::VisibleName(error.Path()) << ")\n";
  return kExitFailures;
}

}  // namespace morvane::cli
