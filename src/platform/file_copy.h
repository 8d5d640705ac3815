#pragma once

#include <sys/stat.h>

#include <functional>
#include <string_view>

#include "core/fs/file_system.h"

namespace morvane::platform {

// FileSystem::CopyFile. The bytes of from (a regular file; links are followed) are
// written to a new hidden file in to's folder, which gets from's permission bits and
// modification time and is then renamed to to: a failure at any step removes that file
// and leaves to as it was. Results:
// - NotFound: from, or to's folder, does not exist;
// - Failed(EISDIR) / Failed(EINVAL): from is a folder / not a regular file (a pipe or a
//   device, which could block or never end);
// - SameFile: to is from itself (the same device and inode, through a link as well);
// - AlreadyExists: to exists (even as a dangling link) and replaceExisting is false;
// - Failed(EISDIR): to is a folder and replaceExisting is true.
// An existing link at to is replaced by the copy; its target is left alone. Permission
// bits that the destination file system cannot keep (vfat refuses most chmod calls, and
// FUSE file systems may not implement it at all) are left as that file system makes them:
// the copy still gets its content and time. Nothing is synced to the disk: the source
// stays in place, and syncing would slow down a run over many files.
//
// setMode gives the copy its permission bits; it is fchmod except in tests, which make
// it fail the way a given file system does.
using SetModeCall = std::function<int(int fd, mode_t mode)>;
core::FsResult CopyFileThroughTemporary(std::string_view from, std::string_view to, bool replaceExisting,
                                        const SetModeCall& setMode = &fchmod);

// Copies everything from in (from its position to its end) to out; 0 or the errno of
// the failing call. Uses copy_file_range where the kernel can, read and write otherwise.
int CopyFileBytes(int in, int out);

}  // namespace morvane::platform
