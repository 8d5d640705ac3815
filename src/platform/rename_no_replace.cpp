#include "platform/rename_no_replace.h"

#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdint>
#include <random>
#include <string>

#include "platform/file_info.h"
#include "platform/fs_result.h"
#include "platform/system_path.h"

namespace morvane::platform {
namespace {

constexpr unsigned kRenameNoReplaceFlag = 1;  // RENAME_NOREPLACE of <linux/fs.h>
constexpr int kTemporaryNameAttempts = 100;

// The system call itself, so that C libraries without a renameat2 wrapper work too.
int RenameAt2NoReplace(const char* from, const char* to) {
#ifdef SYS_renameat2
  if (syscall(SYS_renameat2, AT_FDCWD, from, AT_FDCWD, to, kRenameNoReplaceFlag) == 0) return 0;
  return errno;
#else
  (void)from;
  (void)to;
  return ENOSYS;
#endif
}

std::string TemporaryNameNextTo(std::string_view path) {
  thread_local std::mt19937_64 random(std::random_device{}() ^ static_cast<std::uint64_t>(getpid()));
  static constexpr char kHex[] = "0123456789abcdef";
  std::string name(SystemFolderPrefix(path));
  name += ".morvane-rename-";
  std::uint64_t bits = random();
  for (int i = 0; i < 12; ++i, bits >>= 4) name += kHex[bits & 0xF];
  return name;
}

}  // namespace

int RenameNoReplace(const char* from, const char* to) {
  const int error = RenameAt2NoReplace(from, to);
  if (error != EINVAL && error != ENOSYS) return error;
  // EINVAL may also mean "a folder into itself"; the plain rename reports that again.
  struct stat existing {};
  if (lstat(to, &existing) == 0) return EEXIST;
  return rename(from, to) == 0 ? 0 : errno;
}

core::FsResult RenameThroughTemporaryName(std::string_view from, std::string_view to) {
  const SystemPath source(from);
  const SystemPath destination(to);
  if (!source.Valid() || !destination.Valid()) return {core::FsStatus::Failed, EINVAL};
  std::string temporary;
  int error = EEXIST;
  for (int attempt = 0; attempt < kTemporaryNameAttempts && error == EEXIST; ++attempt) {
    temporary = TemporaryNameNextTo(from);
    error = RenameNoReplace(source.Get(), temporary.c_str());
  }
  if (error != 0) return ResultOfErrno(error);
  error = RenameNoReplace(temporary.c_str(), destination.Get());
  if (error != 0) {
    // The old name was free a moment ago; if even this fails, the entry keeps the
    // temporary name, which is better than losing it.
    RenameNoReplace(temporary.c_str(), source.Get());
  }
  return ResultOfErrno(error);
}

core::FsResult RenameWithoutReplacing(std::string_view from, std::string_view to) {
  if (from == to) return {};
  const SystemPath source(from);
  const SystemPath destination(to);
  if (!source.Valid() || !destination.Valid()) return {core::FsStatus::Failed, EINVAL};
  const int error = RenameNoReplace(source.Get(), destination.Get());
  if (error != EEXIST) return ResultOfErrno(error);
  struct stat sourceStatus {};
  struct stat destinationStatus {};
  if (lstat(source.Get(), &sourceStatus) != 0) return ResultOfErrno(errno);
  if (lstat(destination.Get(), &destinationStatus) != 0) return ResultOfErrno(EEXIST);
  // Folders cannot be hard-linked (their link count counts subfolders), so the same
  // folder is always the same entry; a file with more links may be another name of it.
  const bool sameEntry = IsSameEntry(sourceStatus, destinationStatus) &&
                         (S_ISDIR(sourceStatus.st_mode) || sourceStatus.st_nlink == 1);
  if (sameEntry) return RenameThroughTemporaryName(from, to);
  return ResultOfErrno(EEXIST);
}

}  // namespace morvane::platform
