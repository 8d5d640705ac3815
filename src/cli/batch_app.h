#pragma once

#include <string>
#include <vector>

#include "cli/batch_io.h"
#include "core/fs/file_system.h"

namespace morvane::cli {

// Runs morvane-batch with its arguments (the program name first) on the given streams
// and file system; gives the exit status.
int RunBatch(const std::vector<std::string>& arguments, const BatchIo& io, core::FileSystem& fileSystem);

// Runs morvane-batch for the process: the standard streams, this computer's file system
// and the locale's code page.
int RunBatch(int argc, char** argv);

}  // namespace morvane::cli
