#pragma once

#include "cli/batch_io.h"
#include "core/pipeline/start_checks.h"

namespace morvane::cli {

// Tells on standard error why the start checks refused: the option and the rule its text
// breaks, the output folder's problem, and the window's message (with the path at fault
// in a user-ordered list).
void ReportStartRefusal(const BatchIo& io, const core::StartRefusal& refusal,
                        const core::StartRequest& request);

}  // namespace morvane::cli
