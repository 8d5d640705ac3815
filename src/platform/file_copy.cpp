#include "platform/file_copy.h"

#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/at_path.h"
#include "platform/file_descriptor.h"
#include "platform/file_info.h"
#include "platform/fs_result.h"
#include "platform/rename_no_replace.h"
#include "platform/temporary_file.h"
#include "platform/temporary_name.h"

namespace morvane::platform {
namespace {

constexpr std::size_t kCopyRangeChunk = std::size_t{1} << 30;
constexpr std::size_t kBufferSize = std::size_t{1} << 17;

bool CopyRangeUnsupported(int error) {
  return error == EXDEV || error == ENOSYS || error == EINVAL || error == EOPNOTSUPP || error == EBADF ||
         error == EPERM;
}

// A new empty file, readable and writable by its owner only, under a temporary name in
// path's folder; the descriptor, or -1 with errno set.
int CreateTemporaryFileNextTo(std::string_view path, std::string& temporaryPath) {
  constexpr int kAttempts = 100;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    temporaryPath = TemporaryNameNextTo(path, "copy-");
    const AtPath temporary(temporaryPath);
    if (!temporary.Valid()) {
      errno = temporary.Error();
      return -1;
    }
    const int fd =
        openat(temporary.Folder(), temporary.Name(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

int ReadWriteCopy(int in, int out) {
  std::vector<char> buffer(kBufferSize);
  for (;;) {
    const ssize_t got = read(in, buffer.data(), buffer.size());
    if (got < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (got == 0) return 0;
    if (const int error = WriteAll(out, buffer.data(), static_cast<std::size_t>(got))) return error;
  }
}

// The errors of a file system that cannot keep permission bits: vfat refuses (EPERM),
// others say they do not support it (EOPNOTSUPP, or ENOTSUP where that differs) or that
// the call does not exist (ENOSYS, from FUSE file systems such as fusefat).
bool ModeUnsupported(int error) {
  return error == EPERM || error == EOPNOTSUPP || error == ENOTSUP || error == ENOSYS;
}

// The copy gets the source's permission bits when its file system can keep them, and the
// modification time; its access time is left at now.
int CopyModeAndTime(int out, const struct stat& source, const SetModeCall& setMode) {
  if (setMode(out, source.st_mode & 07777) != 0 && !ModeUnsupported(errno)) return errno;
  const timespec times[2] = {{0, UTIME_OMIT}, source.st_mtim};
  return futimens(out, times) == 0 ? 0 : errno;
}

}  // namespace

int CopyFileBytes(int in, int out) {
  bool copiedAny = false;
  for (;;) {
    const ssize_t copied = copy_file_range(in, nullptr, out, nullptr, kCopyRangeChunk, 0);
    if (copied > 0) {
      copiedAny = true;
      continue;
    }
    if (copied == 0) {
      if (copiedAny) return 0;
      // Nothing at all: an empty file, or one whose size the kernel does not know
      // (files in /proc report 0); reading tells which.
      break;
    }
    if (errno == EINTR) continue;
    if (!CopyRangeUnsupported(errno)) return errno;
    break;
  }
  return ReadWriteCopy(in, out);
}

core::FsResult CopyFileThroughTemporary(std::string_view from, std::string_view to, bool replaceExisting,
                                        const SetModeCall& setMode) {
  const AtPath source(from);
  const AtPath destination(to);
  if (!source.Valid()) return ResultOfErrno(source.Error());
  if (!destination.Valid()) return ResultOfErrno(destination.Error());

  // Non-blocking, so that opening a pipe by mistake cannot hang; it is refused below.
  FileDescriptor in(openat(source.Folder(), source.Name(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (!in.Valid()) return ResultOfErrno(errno);
  struct stat sourceStatus {};
  if (fstat(in.Get(), &sourceStatus) != 0) return ResultOfErrno(errno);
  if (S_ISDIR(sourceStatus.st_mode)) return {core::FsStatus::Failed, EISDIR};
  if (!S_ISREG(sourceStatus.st_mode)) return {core::FsStatus::Failed, EINVAL};

  // The entry itself first: a free name, the common case, costs one look. A link is
  // judged by what it leads to; one that leads nowhere still takes the name.
  struct stat destinationStatus {};
  bool taken =
      fstatat(destination.Folder(), destination.Name(), &destinationStatus, AT_SYMLINK_NOFOLLOW) == 0;
  if (taken && S_ISLNK(destinationStatus.st_mode) &&
      fstatat(destination.Folder(), destination.Name(), &destinationStatus, 0) != 0) {
    if (!replaceExisting) return {core::FsStatus::AlreadyExists, EEXIST};
    taken = false;
  }
  if (taken) {
    if (IsSameEntry(sourceStatus, destinationStatus)) return {core::FsStatus::SameFile, 0};
    if (!replaceExisting) return {core::FsStatus::AlreadyExists, EEXIST};
    if (S_ISDIR(destinationStatus.st_mode)) return {core::FsStatus::Failed, EISDIR};
  }

  std::string temporaryPath;
  FileDescriptor out(CreateTemporaryFileNextTo(to, temporaryPath));
  if (!out.Valid()) return ResultOfErrno(errno);
  TemporaryFile temporary(temporaryPath);

  int error = CopyFileBytes(in.Get(), out.Get());
  if (error == 0) error = CopyModeAndTime(out.Get(), sourceStatus, setMode);
  if (error == 0) error = out.Close();
  if (error == 0) {
    const AtPath written(temporaryPath);
    // Without replacing, the rename itself refuses a file that appeared after the check.
    if (!replaceExisting) {
      error = RenameNoReplace(written, destination);
    } else if (!written.Valid()) {
      error = written.Error();
    } else if (renameat(written.Folder(), written.Name(), destination.Folder(), destination.Name()) != 0) {
      error = errno;
    }
  }
  if (error != 0) return ResultOfErrno(error);
  temporary.Keep();
  return {};
}

}  // namespace morvane::platform
