#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/fs/file_system.h"
#include "core/names/extension_filter.h"
#include "core/text/code_page.h"

namespace morvane::core {

// Called with each folder the walk finds, as folder + "/" + name.
using FolderFound = std::function<void(const std::string& folder)>;

// Hands every folder below folder to found, depth first: each folder before its own
// subfolders, siblings in the order the file system lists them, hidden folders
// included. One trailing separator of folder is dropped. A folder already walked
// (the same device and inode, reached again through a link) is neither handed on nor
// entered, so the walk always ends. Folders that cannot be read add nothing.
void WalkSubfolders(const FileSystem& fileSystem, std::string_view folder, const FolderFound& found,
                    const CodePage& codePage = ActiveCodePage());

// The files directly inside the folders among paths that the filter leaves out and that
// paths do not name themselves: a run that takes a folder lists only the files of its
// types, so these it never meets.
std::size_t CountFilesLeftOutOfFolders(const FileSystem& fileSystem, const std::vector<std::string>& paths,
                                       const ExtensionFilter& filter,
                                       const CodePage& codePage = ActiveCodePage());

}  // namespace morvane::core
