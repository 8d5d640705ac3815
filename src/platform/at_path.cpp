#include "platform/at_path.h"

#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <unistd.h>

namespace morvane::platform {

AtPath::AtPath(std::string_view path) : m_folder(AT_FDCWD) {
  if (path.find('\0') != std::string_view::npos) {
    m_error = EINVAL;
    return;
  }
  std::size_t start = 0;
  while (path.size() - start >= PATH_MAX) {
    // The longest part that ends at a slash and leaves room for the NUL.
    const std::string_view window = path.substr(start, PATH_MAX - 1);
    const std::size_t slash = window.rfind('/');
    if (slash == std::string_view::npos) {
      m_error = ENAMETOOLONG;
      return;
    }
    // A leading slash is a part of its own: the root.
    const std::string part(window.substr(0, slash == 0 ? 1 : slash));
    const int next = openat(m_folder, part.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    const int error = errno;
    if (m_folder != AT_FDCWD) close(m_folder);
    m_folder = next;
    if (next < 0) {
      m_folder = AT_FDCWD;
      m_error = error;
      return;
    }
    start += slash + 1;
    while (start < path.size() && path[start] == '/') ++start;
  }
  m_name = start == path.size() && start > 0 ? std::string(".") : std::string(path.substr(start));
}

AtPath::~AtPath() {
  if (m_folder != AT_FDCWD) close(m_folder);
}

int PathStatus(std::string_view path, struct stat& status, Links links) {
  const AtPath atPath(path);
  if (!atPath.Valid()) return atPath.Error();
  const int flags = links == Links::Follow ? 0 : AT_SYMLINK_NOFOLLOW;
  return fstatat(atPath.Folder(), atPath.Name(), &status, flags) == 0 ? 0 : errno;
}

DIR* OpenFolder(std::string_view path) {
  const AtPath folder(path);
  if (!folder.Valid()) {
    errno = folder.Error();
    return nullptr;
  }
  const int fd = openat(folder.Folder(), folder.Name(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  DIR* dir = fdopendir(fd);
  if (dir == nullptr) {
    const int error = errno;
    close(fd);
    errno = error;
  }
  return dir;
}

}  // namespace morvane::platform
