#pragma once

#include <ostream>

#include "cli/terminal_interaction.h"

namespace morvane::cli {

// The plan for scripts: one record per file the run meets, in run order, of three
// fields each ended by a NUL byte: the outcome, the source path and the new path (empty
// when there is none), paths as their exact bytes. The outcomes are the plan's
// (OutcomeName). Conflicts are answered by the policy as in the run itself.
class PlanRecords : public TerminalInteraction {
 public:
  PlanRecords(const BatchIo& quiet, ConflictPolicy policy, bool renamesInPlace, std::ostream& records)
      : TerminalInteraction(quiet, policy, renamesInPlace), m_records(records), m_inPlace(renamesInPlace) {}

  void FileLeft(const core::LeftFile& file) override;
  void FileDone(const core::DoneFile& file) override;

 private:
  void Record(std::string_view outcome, std::string_view path, std::string_view newPath);

  std::ostream& m_records;
  bool m_inPlace;
};

}  // namespace morvane::cli
