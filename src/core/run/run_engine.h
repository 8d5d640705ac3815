#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/run/planned_move.h"
#include "core/run/run_frame.h"

namespace morvane::core {

// How a finished run went, in the terms every front end reports.
struct RunCounts {
  int successCount = 0;
  int failureCount = 0;
  bool abortRequested = false;
};

// One run of any mode, in the steps every run has. The numbering and the four
// file-by-file modes implement it; DriveRun puts the steps in order with the run's
// header and footer, so that each front end only adds its own work between them.
class RunEngine {
 public:
  virtual ~RunEngine() = default;

  virtual OperatingMode Mode() const = 0;
  // True when the targets are collected before the header, so that the lines about
  // missing targets precede it (the extension change and the case conversion).
  virtual bool CollectsBeforeHeader() const { return false; }
  // Shows the collecting caption and turns the target list into the run's files.
  virtual void Collect(const std::vector<std::string>& targetList) = 0;
  // Renames or copies every collected file, until they end or the person aborts.
  virtual void Execute() = 0;
  // Writes the summary lines.
  virtual void WriteSummary() = 0;
  // The text of the end message.
  virtual std::string EndMessage() const = 0;
  // Source and new path of every collected file the run means to rename or copy, in
  // run order, as the run would name it if nothing were in the way, with the file's
  // identity as the collection found it; the new path is empty for a file past the last
  // number (those come last). Files the run leaves for what they are (protected,
  // filtered, without the text to replace) are not among them. Touches no file and
  // writes nothing; call it after Collect. The engine keeps the plan until the next
  // Collect and takes each new path from it at the file's turn, so a second call gives
  // the same plan and the undo journal can refer to it instead of keeping a copy.
  virtual const std::vector<PlannedMove>& PlanNames() = 0;
  virtual RunCounts Counts() const = 0;
};

}  // namespace morvane::core
