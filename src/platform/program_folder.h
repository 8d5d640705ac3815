#pragma once

#include "core/fs/program_files.h"

namespace morvane::platform {

// The program's files for this process: MORVANE_HOME, the executable's folder or the
// XDG configuration folder (created when it is used and missing). An installed program
// (share/morvane/installed beside its bin folder) never uses the executable's folder.
core::ProgramFiles ResolveProgramFiles();

}  // namespace morvane::platform
