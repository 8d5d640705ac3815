#include "platform/output_file.h"

#include <errno.h>
#include <fcntl.h>

#include <memory>

#include "platform/at_path.h"
#include "platform/file_descriptor.h"

namespace morvane::platform {
namespace {

class PosixOutputFile final : public core::OutputFile {
 public:
  explicit PosixOutputFile(int fd) : m_fd(fd) {}

  int Write(std::string_view bytes) override {
    return m_fd.Valid() ? WriteAll(m_fd.Get(), bytes.data(), bytes.size()) : EBADF;
  }
  int Flush() override { return m_fd.Valid() ? 0 : EBADF; }
  int Close() override { return m_fd.Valid() ? m_fd.Close() : EBADF; }

 private:
  FileDescriptor m_fd;
};

}  // namespace

core::OpenedFile OpenOutputFile(std::string_view path, core::WriteStart start) {
  const AtPath atPath(path);
  if (!atPath.Valid()) return {nullptr, atPath.Error()};
  int flags = O_WRONLY | O_CREAT | O_CLOEXEC;
  switch (start) {
    case core::WriteStart::Truncate:
      flags |= O_TRUNC;
      break;
    case core::WriteStart::Append:
      flags |= O_APPEND;
      break;
    case core::WriteStart::CreateNew:
      flags |= O_EXCL;
      break;
  }
  const int fd = openat(atPath.Folder(), atPath.Name(), flags, 0600);
  if (fd < 0) return {nullptr, errno};
  return {std::make_unique<PosixOutputFile>(fd), 0};
}

}  // namespace morvane::platform
