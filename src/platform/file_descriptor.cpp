#include "platform/file_descriptor.h"

namespace morvane::platform {

int WriteAll(int out, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = write(out, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (written == 0) return EIO;
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return 0;
}

}  // namespace morvane::platform
