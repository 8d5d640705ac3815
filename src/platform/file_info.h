#pragma once

#include <sys/stat.h>

#include <optional>
#include <string_view>

#include "core/fs/file_system.h"

namespace morvane::platform {

// True when two stat results describe one file (same device and inode).
inline bool IsSameEntry(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// True for a name that starts with a dot, except the folder names "." and "..".
bool IsHiddenName(std::string_view name);

// The info of a stat result: folder when S_ISDIR, size (0 for a folder), modification
// time to the nanosecond, read-only when the owner has no write permission, hidden when
// name (the entry's file name) is hidden.
core::FileInfo FileInfoOf(const struct stat& status, std::string_view name);

// The info of path (taken in the folder dirFd when relative; AT_FDCWD for the current
// folder). Links are followed; a link that leads nowhere (a missing target or a loop) is
// reported as a file of size 0 with the link's own time. Nothing when there is no such
// entry or it cannot be examined. name is the entry's file name, for the hidden attribute.
std::optional<core::FileInfo> StatEntry(int dirFd, const char* path, std::string_view name);

}  // namespace morvane::platform
