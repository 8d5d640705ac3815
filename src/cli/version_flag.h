#pragma once

#include "cli/cli11_forward.h"

namespace morvane::cli {

// --version: prints "morvane-batch <the project's version>" and exits.
void AddVersionFlag(CLI::App& app);

}  // namespace morvane::cli
