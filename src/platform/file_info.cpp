#include "platform/file_info.h"

#include <errno.h>
#include <fcntl.h>

#include <chrono>

namespace morvane::platform {
namespace {

core::FileTime TimeOf(const timespec& time) {
  using std::chrono::duration_cast;
  const auto sinceEpoch = std::chrono::seconds(time.tv_sec) + std::chrono::nanoseconds(time.tv_nsec);
  return core::FileTime(duration_cast<core::FileTime::duration>(sinceEpoch));
}

}  // namespace

bool IsHiddenName(std::string_view name) { return name.starts_with('.') && name != "." && name != ".."; }

core::FileInfo FileInfoOf(const struct stat& status, std::string_view name) {
  core::FileInfo info;
  info.isFolder = S_ISDIR(status.st_mode);
  // A folder's st_size is the size of its own bookkeeping, not of anything the user keeps.
  info.size = info.isFolder ? 0 : static_cast<std::uint64_t>(status.st_size);
  info.modified = TimeOf(status.st_mtim);
  info.attributes.readOnly = (status.st_mode & S_IWUSR) == 0;
  info.attributes.hidden = IsHiddenName(name);
  info.device = static_cast<std::uint64_t>(status.st_dev);
  info.inode = static_cast<std::uint64_t>(status.st_ino);
  info.linkCount = static_cast<std::uint64_t>(status.st_nlink);
  return info;
}

std::optional<core::FileInfo> StatEntry(int dirFd, const char* path, std::string_view name) {
  struct stat status {};
  if (fstatat(dirFd, path, &status, 0) == 0) return FileInfoOf(status, name);
  if (errno != ENOENT && errno != ELOOP) return std::nullopt;
  if (fstatat(dirFd, path, &status, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISLNK(status.st_mode))
    return std::nullopt;
  core::FileInfo info = FileInfoOf(status, name);
  info.size = 0;
  // A link's own mode is always rwx for everyone and says nothing about the file.
  info.attributes.readOnly = false;
  return info;
}

}  // namespace morvane::platform
