#pragma once

#include <string_view>

#include "core/fs/file_contents.h"

namespace morvane::platform {

// FileSystem::OpenForWriting: path (of any length, see AtPath) opened write-only,
// created 0600 when missing: the files written so are the program's own records (result
// file, log, journals), which name the user's files. The file keeps no buffer of its
// own: each Write is handed to the system at once, in one write call unless the system
// takes less, so its owner decides how many calls a run makes. The descriptor is not
// inherited by programs the process starts.
core::OpenedFile OpenOutputFile(std::string_view path, core::WriteStart start);

}  // namespace morvane::platform
