#pragma once

#include <string_view>

#include "core/fs/file_system.h"
#include "platform/at_path.h"

namespace morvane::platform {

// Renames from to to unless to exists; returns 0 or the errno of the failure (EEXIST
// when to exists; a path's own Error when it cannot be reached). Where the file system
// cannot rename without replacing (renameat2 gives EINVAL or ENOSYS), to is checked with
// lstat before a plain rename, which leaves a short window in which another program
// could create it.
int RenameNoReplace(const AtPath& from, const AtPath& to);

// Renames from to to in two steps, through a new hidden name in from's folder, so that
// a change of letter case takes effect on a case-insensitive file system (where a direct
// rename finds from and to to be one entry and does nothing). When the second step fails,
// the entry is put back under its old name and that failure is returned.
core::FsResult RenameThroughTemporaryName(std::string_view from, std::string_view to);

// FileSystem::Rename: never replaces another entry. Byte-equal paths succeed without a
// call; a destination that is the source itself is reached through a temporary name.
// It is the source itself when it has the same device and inode and is a folder or a
// file with one link, or, where each spelling has an inode of its own, when it lies in
// the same folder, differs only in letter case and the folder lists no entry of that
// name but the source (then a listing that does not show the new spelling afterwards
// gives Failed with ENOTSUP). Any other existing destination, a hard link of
// the source included, gives AlreadyExists. A missing source or folder gives NotFound.
core::FsResult RenameWithoutReplacing(std::string_view from, std::string_view to);

}  // namespace morvane::platform
