#include "cli/run_output.h"

#include <ostream>

namespace morvane::cli {

core::ResultLog DryRunLog(const BatchIo& io) {
  core::ResultLog log = core::ResultLog::Discarding();
  log.SetObserver([&io](std::string_view line) {
    if (!line.empty()) PrintLine(io.err, line);
  });
  return log;
}

void PrintPlan(const BatchIo& io, const std::vector<std::pair<std::string, std::string>>& plan) {
  for (const auto& [source, destination] : plan) io.out << source << " -> " << destination << '\n';
  io.out << std::flush;
}

int ReportLogWriteError(const BatchIo& io, const core::LogWriteError& error) {
  io.out << std::flush;
  PrintMessage(io.err, error.Message());
  io.err << "(" << error.Path() << ")\n";
  return kExitFailures;
}

}  // namespace morvane::cli
