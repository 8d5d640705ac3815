#include "cli/plan_records.h"

namespace morvane::cli {

void PlanRecords::FileLeft(const core::LeftFile& file) {
  TerminalInteraction::FileLeft(file);
  m_collector.Left(file, false);
}

void PlanRecords::FileDone(const core::DoneFile& file) { m_collector.Done(file, false); }

void PlanRecords::Print(const std::vector<core::PlannedMove>& planned, const core::RunCounts& counts,
                        std::ostream& records) {
  for (const core::PlanEntry& entry : m_collector.Finish(planned, counts).entries) {
    records << core::OutcomeName(entry.outcome) << '\0' << entry.source << '\0' << entry.newPath << '\0';
  }
}

}  // namespace morvane::cli
