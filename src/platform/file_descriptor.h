#pragma once

#include <errno.h>
#include <unistd.h>

#include <cstddef>

namespace morvane::platform {

// An open descriptor, closed when the object goes.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : m_fd(fd) {}
  ~FileDescriptor() {
    if (m_fd >= 0) close(m_fd);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int Get() const { return m_fd; }
  bool Valid() const { return m_fd >= 0; }

  // 0 or the errno of close. A network file system may report a failed write only here.
  int Close() {
    const int result = close(m_fd);
    m_fd = -1;
    // After EINTR the descriptor is closed all the same on Linux.
    return result == 0 || errno == EINTR ? 0 : errno;
  }

 private:
  int m_fd;
};

// Writes all size bytes to out, going on after a short write or a signal; 0 or the
// errno of the failing write.
int WriteAll(int out, const char* data, std::size_t size);

}  // namespace morvane::platform
