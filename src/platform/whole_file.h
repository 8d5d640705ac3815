#pragma once

#include <string>
#include <string_view>

#include "core/fs/file_contents.h"

namespace morvane::platform {

// FileSystem::ReadWholeFile for a path of any length. Only a regular file is opened, so
// that a pipe or a device given by mistake cannot block; any other entry is Unreadable.
core::FileReadResult ReadWholeFile(std::string_view path);

// FileSystem::ReplaceFileAtomically. The temporary file is ".<name>.tmp-<number>" beside
// the target, created without replacing anything. A new file is made 0600 (the settings
// and presets name the user's files); a replaced one keeps its mode. A chain of links is followed to its
// end, also when that end does not exist yet: then it is created there and the link
// starts to lead somewhere. Failure texts: "cannot resolve the link: <reason>", "cannot
// create the temporary file <path>", "cannot write the temporary file <path>", "cannot
// rename the temporary file: <reason>".
[[nodiscard]] std::string ReplaceFileAtomically(std::string_view path, std::string_view bytes);

}  // namespace morvane::platform
