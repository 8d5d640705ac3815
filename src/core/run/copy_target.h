#pragma once

#include <string_view>

#include "core/fs/file_system.h"

namespace morvane::core {

// Copies source to destination, replacing a file already there; true on success. The
// copy is written to a temporary file first, so a failed copy leaves no partial
// destination and the file it would have replaced is kept. A copy of a file onto itself
// fails.
bool CopyTargetFile(FileSystem& fileSystem, std::string_view source, std::string_view destination);

}  // namespace morvane::core
