#pragma once

#include <string>
#include <string_view>

#include "core/text/code_page.h"

namespace morvane::core {

// A folder choice that names the root folder ("/", however many slashes): with its
// subfolders it would put every folder of the computer into the list, so the folder
// dialog asks first.
bool IsRootFolderChoice(std::string_view folder);

// The question asked before a root folder is taken with its subfolders; it names the
// chosen folder's first character as the drive.
std::string RootFolderQuestion(std::string_view folder, const CodePage& codePage = ActiveCodePage());

}  // namespace morvane::core
