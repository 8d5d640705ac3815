#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "platform/posix_file_system.h"

namespace morvane::platform {

// The sorted names that ListFolder gives for pattern, hidden ones included, so that a
// leftover temporary file shows.
inline std::vector<std::string> ListedNames(std::string_view folder, std::string_view pattern = "*") {
  std::vector<std::string> names;
  for (const core::DirectoryEntry& entry : PosixFileSystem().ListFolder(folder, pattern)) {
    names.push_back(entry.name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace morvane::platform
