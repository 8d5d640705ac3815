#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/log/result_log.h"
#include "core/run/run_engine.h"
#include "core/text/code_page.h"
#include "core/time/local_time.h"

namespace morvane::core {

// What a front end does between the steps of a run; each may be left empty.
struct RunSteps {
  // Around the collection (the window shows a wait cursor while the list is read).
  std::function<void()> beforeCollect;
  std::function<void()> afterCollect;
  // After the last file and before the summary (the window saves its histories and
  // empties its list there, so that the summary follows the saved state).
  std::function<void()> afterExecute;
};

// One whole run: the header, the collection (before the header when the engine says
// so), the files, the summary and the footer, each time stamp taken from clock. Gives
// the end message. A LogWriteError from the log ends it there and is passed on.
std::string DriveRun(RunEngine& engine, ResultLog& log, const std::vector<std::string>& targetList,
                     const RunSteps& steps = {}, const LocalClock& clock = LocalNow,
                     const CodePage& codePage = ActiveCodePage());

}  // namespace morvane::core
