#include "cli/plan_records.h"

namespace morvane::cli {
namespace {

std::string_view OutcomeOf(core::LeftReason reason) {
  switch (reason) {
    case core::LeftReason::NameTaken:
      return "taken";
    case core::LeftReason::Protected:
      return "protected";
    case core::LeftReason::Filtered:
      return "filtered";
    case core::LeftReason::Missing:
      return "missing";
    case core::LeftReason::PathTooLong:
      return "path-too-long";
    case core::LeftReason::TextNotFound:
      return "text-not-found";
    case core::LeftReason::Failed:
      break;
  }
  return "failed";
}

}  // namespace

void PlanRecords::FileLeft(const core::LeftFile& file) {
  TerminalInteraction::FileLeft(file);
  Record(OutcomeOf(file.reason), file.path, file.newPath);
}

void PlanRecords::FileDone(const core::DoneFile& file) {
  std::string_view outcome = m_inPlace ? "renamed" : "copied";
  if (file.replaced) outcome = "overwritten";
  if (file.path == file.newPath) outcome = "already-named";
  Record(outcome, file.path, file.newPath);
}

void PlanRecords::Record(std::string_view outcome, std::string_view path, std::string_view newPath) {
  m_records << outcome << '\0' << path << '\0' << newPath << '\0';
}

}  // namespace morvane::cli
