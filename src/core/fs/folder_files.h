#pragma once

#include <functional>
#include <string_view>

#include "core/fs/file_system.h"
#include "core/text/code_page.h"

namespace morvane::core {

// The files (not the folders) directly inside folder whose names match pattern, handed
// to visit one at a time with their whole paths and what the listing tells of them, so
// that no file is asked again. folder has no trailing separator; "" is the root.
void VisitFolderFiles(const FileSystem& fileSystem, std::string_view folder, std::string_view pattern,
                      const std::function<void(std::string_view path, const FileInfo& info)>& visit);

// The same for the files that one word of the file types filter lists: the pattern
// "*." + word (EnumerationPattern). In UTF-8 a word that is not ASCII lists instead the
// files whose extension equals "." + word as the filter compares them
// (EqualsCanonicalCaseBlind), so that a word typed composed finds a name from macOS that
// holds it decomposed.
void VisitFolderFilesOfType(const FileSystem& fileSystem, std::string_view folder, std::string_view word,
                            const CodePage& codePage,
                            const std::function<void(std::string_view path, const FileInfo& info)>& visit);

}  // namespace morvane::core
