#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/fs/file_system.h"
#include "platform/mount_table.h"

namespace morvane::platform {

// The whole disk of a block device, as /sys/block names it: "/dev/sdb1" gives "sdb",
// "/dev/mmcblk0p1" gives "mmcblk0", "/dev/nvme0n1p2" gives "nvme0n1", "/dev/sr0" stays
// "sr0". Empty when the device is not a node directly in /dev (a mapper device, a
// network share, "tmpfs").
std::string DiskOfDevice(std::string_view device);

// Tells whether a disk (a name in /sys/block) holds a removable medium.
using RemovableDiskTest = std::function<bool(std::string_view disk)>;

// The test that reads <sysfsRoot>/block/<disk>/removable, where "1" means removable. A
// disk whose flag cannot be read counts as fixed.
RemovableDiskTest SysfsRemovableDiskTest(std::string sysfsRoot);

// The drive type of a mounted file system, or nothing when it is not a drive:
// - local disk file systems (ext2-4, xfs, btrfs, f2fs, vfat, exfat, ntfs, ...) are
//   Removable when their disk is removable, otherwise Fixed; zfs and overlay (the root
//   of a container) are Fixed;
// - nfs, cifs, smb3, sshfs, 9p, ... are Network; iso9660 and udf CdRom; tmpfs and ramfs
//   Ram;
// - pseudo file systems (proc, sysfs, devpts, cgroup, squashfs images, ...) and anything
//   mounted in /proc, /sys or /dev are no drives;
// - any other type is a drive of type Unknown.
std::optional<core::DriveType> ClassifyMount(const MountEntry& entry, const RemovableDiskTest& isRemovable);

// The drives of a mount table, in its order, each mount point once: a later mount on
// the same point hides the earlier one, so only the later counts, at its own place.
std::vector<core::MountedDrive> DrivesOfMountTable(const std::vector<MountEntry>& entries,
                                                   const RemovableDiskTest& isRemovable);

// True when path is mountPoint or lies below it, at a component boundary: "/mnt/a"
// holds "/mnt/a" and "/mnt/a/x" but not "/mnt/ab"; "/" holds every absolute path.
bool MountPointHolds(std::string_view mountPoint, std::string_view path);

// The drive with the longest mount point that holds path; nothing when none does (a
// relative path, for one).
std::optional<core::MountedDrive> DriveHolding(const std::vector<core::MountedDrive>& drives,
                                               std::string_view path);

}  // namespace morvane::platform
