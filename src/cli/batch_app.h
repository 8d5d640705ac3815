#pragma once

namespace morvane::cli {

// Runs morvane-batch with the process's arguments; gives the exit status.
int RunBatch(int argc, char** argv);

}  // namespace morvane::cli
