#include "cli/plan_records.h"

#include "core/run/run_plan.h"

namespace morvane::cli {

void PlanRecords::FileLeft(const core::LeftFile& file) {
  TerminalInteraction::FileLeft(file);
  Record(core::OutcomeName(core::OutcomeOf(file.reason)), file.path, file.newPath);
}

void PlanRecords::FileDone(const core::DoneFile& file) {
  Record(core::OutcomeName(core::OutcomeOf(file, m_inPlace)), file.path, file.newPath);
}

void PlanRecords::Record(std::string_view outcome, std::string_view path, std::string_view newPath) {
  m_records << outcome << '\0' << path << '\0' << newPath << '\0';
}

}  // namespace morvane::cli
