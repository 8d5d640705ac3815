#include "platform/name_exactness.h"

#include <linux/fs.h>
#include <linux/magic.h>
#include <sys/ioctl.h>
#include <sys/vfs.h>

namespace morvane::platform {
namespace {

#ifndef FS_CASEFOLD_FL
constexpr long kCaseFoldFlag = 0x40000000;
#else
constexpr long kCaseFoldFlag = FS_CASEFOLD_FL;
#endif

constexpr long kXfsMagic = 0x58465342;

}  // namespace

bool FolderNamesAreExact(int fd) {
  struct statfs status {};
  if (fstatfs(fd, &status) != 0) return false;
  switch (static_cast<long>(status.f_type)) {
    case BTRFS_SUPER_MAGIC:
    case kXfsMagic:
      return true;  // no case folding at all
    case EXT4_SUPER_MAGIC:
    case TMPFS_MAGIC: {
      // These fold case in the folders that ask for it.
      int flags = 0;
      if (ioctl(fd, FS_IOC_GETFLAGS, &flags) != 0) return false;
      return (flags & kCaseFoldFlag) == 0;
    }
    default:
      return false;
  }
}

}  // namespace morvane::platform
