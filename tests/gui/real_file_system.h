#pragma once

#include "platform/posix_file_system.h"

namespace morvane::test {

// This computer's file system, shared by the windows and dialogs under test; it lives as
// long as the test program, so it outlives every window.
inline platform::PosixFileSystem& RealFileSystem() {
  static platform::PosixFileSystem fileSystem;
  return fileSystem;
}

}  // namespace morvane::test
