#pragma once

#include "core/run/run_interaction.h"

namespace morvane::core {

// What every engine counts while it runs, and the answers that hold for the rest of it.
struct RunCounters {
  int successCount = 0;
  int failureCount = 0;
  OverwriteChoice overwriteChoice = OverwriteChoice::None;
  bool abortRequested = false;
};

}  // namespace morvane::core
