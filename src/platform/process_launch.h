#pragma once

#include <string>
#include <vector>

namespace morvane::platform {

// Starts the program words[0] (looked up in PATH when it has no slash) with words as its
// arguments, without a shell: each word reaches the program byte for byte. The program
// runs detached, in a session of its own so that it outlives this process and its
// terminal, with no signal blocked and SIGXFSZ at its default action (this process
// ignores it for its own writes). A started program is reaped when it ends, so it leaves
// no zombie behind. False when it could not be started (or words is empty).
bool StartDetached(const std::vector<std::string>& words);

}  // namespace morvane::platform
