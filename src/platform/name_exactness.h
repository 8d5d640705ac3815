#pragma once

namespace morvane::platform {

// True when the open folder fd lies on a file system known to keep names as exact bytes
// and the folder does not fold letter case (ext4 and tmpfs can, folder by folder): then
// a name its listing does not hold is not there under another spelling. False when that
// is not known (vfat, exfat, ntfs, network and overlay file systems, anything else).
bool FolderNamesAreExact(int fd);

}  // namespace morvane::platform
