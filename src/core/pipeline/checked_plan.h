#pragma once

#include <optional>
#include <string>

#include "core/fs/file_system.h"
#include "core/names/protected_extensions.h"
#include "core/pipeline/run_plan.h"
#include "core/pipeline/start_checks.h"

namespace morvane::core {

// Thrown out of a plan that was asked to stop before its end.
struct PlanStopped {};

// What Start would do now: the start checks, or else the run's plan and whether the run
// could resolve its chains.
struct CheckedPlan {
  std::optional<std::string> refusal;  // the checks' message when they refuse
  RunPlan plan;
  bool chainsOffered = false;  // see ChainsResolvable
};

// The start checks with every question answered so that the run goes ahead, then the
// run's plan; nothing on disk changes, since both meet a planning file system. When every
// conflict of the plan is with the run's own files, a second plan tells whether resolving
// the chains would clear them all.
//
// Asked through the watch (when given) to stop, the plan ends at its next file or folder
// entry by throwing PlanStopped.
CheckedPlan MakeCheckedPlan(const StartRequest& request, bool resolveChains,
                            const ProtectedExtensions& protectedExtensions, FileSystem& fileSystem,
                            const PlanWatch* watch = nullptr);

}  // namespace morvane::core
