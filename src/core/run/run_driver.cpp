#include "core/run/run_driver.h"

namespace morvane::core {
namespace {

void Call(const std::function<void()>& step) {
  if (step) step();
}

}  // namespace

std::string DriveRun(RunEngine& engine, ResultLog& log, const std::vector<std::string>& targetList,
                     const RunSteps& steps, const LocalClock& clock, const CodePage& codePage) {
  const auto collect = [&] {
    Call(steps.beforeCollect);
    engine.Collect(targetList);
    Call(steps.afterCollect);
  };
  if (engine.CollectsBeforeHeader()) collect();
  WriteRunHeader(log, engine.Mode(), clock(), codePage);
  if (!engine.CollectsBeforeHeader()) collect();
  engine.Execute();
  Call(steps.afterExecute);
  engine.WriteSummary();
  WriteRunFooter(log, engine.Mode(), clock(), codePage);
  return engine.EndMessage();
}

}  // namespace morvane::core
