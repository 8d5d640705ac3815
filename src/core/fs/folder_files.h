#pragma once

#include <functional>
#include <string_view>

#include "core/fs/file_system.h"

namespace morvane::core {

// The files (not the folders) directly inside folder whose names match pattern, handed
// to visit one at a time with their whole paths and what the listing tells of them, so
// that no file is asked again. folder has no trailing separator; "" is the root.
void VisitFolderFiles(const FileSystem& fileSystem, std::string_view folder, std::string_view pattern,
                      const std::function<void(std::string_view path, const FileInfo& info)>& visit);

}  // namespace morvane::core
