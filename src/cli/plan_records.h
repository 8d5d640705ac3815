#pragma once

#include <ostream>

#include "cli/terminal_interaction.h"
#include "core/run/run_plan.h"

namespace morvane::cli {

// The plan for scripts: one record per file the run meets, in run order, of three
// fields each ended by a NUL byte: the outcome, the source path and the new path (empty
// when there is none), paths as their exact bytes. The outcomes are the plan's
// (OutcomeName). Conflicts are answered by the policy as in the run itself.
class PlanRecords : public TerminalInteraction {
 public:
  PlanRecords(const BatchIo& quiet, ConflictPolicy policy, bool renamesInPlace)
      : TerminalInteraction(quiet, policy, renamesInPlace), m_collector(renamesInPlace) {}

  void FileLeft(const core::LeftFile& file) override;
  void FileDone(const core::DoneFile& file) override;
  // Once the run has ended (planned: the engine's PlanNames after collecting).
  void Print(const std::vector<core::PlannedMove>& planned, const core::RunCounts& counts,
             std::ostream& records);

 private:
  core::PlanCollector m_collector;
};

}  // namespace morvane::cli
