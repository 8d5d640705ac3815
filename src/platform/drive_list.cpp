#include "platform/drive_list.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <unordered_map>

namespace morvane::platform {
namespace {

using core::DriveType;

template <std::size_t N>
bool IsOneOf(std::string_view value, const std::array<std::string_view, N>& set) {
  return std::find(set.begin(), set.end(), value) != set.end();
}

// File systems that live on a partition of a disk; the disk decides fixed or removable.
constexpr std::array<std::string_view, 17> kDiskTypes = {
    "ext2",   "ext3", "ext4",  "xfs",   "btrfs", "f2fs",  "jfs",     "reiserfs", "bcachefs",
    "nilfs2", "vfat", "msdos", "exfat", "ntfs",  "ntfs3", "fuseblk", "hfsplus"};
constexpr std::array<std::string_view, 9> kNetworkTypes = {"nfs",        "nfs4", "cifs", "smb3", "smbfs",
                                                           "fuse.sshfs", "9p",   "ceph", "afs"};
constexpr std::array<std::string_view, 2> kCdRomTypes = {"iso9660", "udf"};
constexpr std::array<std::string_view, 2> kRamTypes = {"tmpfs", "ramfs"};
// Kernel interfaces, automount triggers, package images and desktop helper mounts:
// nothing a user keeps files on.
constexpr std::array<std::string_view, 23> kPseudoTypes = {
    "proc", "sysfs",      "devtmpfs",  "devpts",    "securityfs", "debugfs",         "tracefs",    "pstore",
    "bpf",  "mqueue",     "hugetlbfs", "configfs",  "fusectl",    "binfmt_misc",     "efivarfs",   "autofs",
    "nsfs", "rpc_pipefs", "nfsd",      "selinuxfs", "squashfs",   "fuse.gvfsd-fuse", "fuse.portal"};

bool IsPseudo(std::string_view fsType) {
  return IsOneOf(fsType, kPseudoTypes) || fsType.starts_with("cgroup");
}

bool IsInSystemFolder(std::string_view mountPoint) {
  return MountPointHolds("/proc", mountPoint) || MountPointHolds("/sys", mountPoint) ||
         MountPointHolds("/dev", mountPoint);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string DiskOfDevice(std::string_view device) {
  constexpr std::string_view kDev = "/dev/";
  if (!device.starts_with(kDev)) return {};
  std::string_view name = device.substr(kDev.size());
  if (name.empty() || name.find('/') != std::string_view::npos) return {};
  std::size_t digitsStart = name.size();
  while (digitsStart > 0 && IsDigit(name[digitsStart - 1])) --digitsStart;
  if (digitsStart == name.size() || digitsStart == 0) return std::string(name);
  // Disks whose names end in a digit number their partitions with a 'p' between:
  // mmcblk0p1, nvme0n1p2, loop0p1, md127p1.
  if (digitsStart >= 2 && name[digitsStart - 1] == 'p' && IsDigit(name[digitsStart - 2])) {
    return std::string(name.substr(0, digitsStart - 1));
  }
  // The classic disk names take the partition number right after the letters.
  for (std::string_view prefix : {"sd", "hd", "vd", "xvd"}) {
    if (name.starts_with(prefix)) return std::string(name.substr(0, digitsStart));
  }
  return std::string(name);
}

RemovableDiskTest SysfsRemovableDiskTest(std::string sysfsRoot) {
  return [root = std::move(sysfsRoot)](std::string_view disk) {
    std::ifstream flag(root + "/block/" + std::string(disk) + "/removable");
    char value = '0';
    return flag.get(value) && value == '1';
  };
}

std::optional<DriveType> ClassifyMount(const MountEntry& entry, const RemovableDiskTest& isRemovable) {
  const std::string_view type = entry.fsType;
  if (IsPseudo(type) || IsInSystemFolder(entry.mountPoint)) return std::nullopt;
  if (IsOneOf(type, kDiskTypes)) {
    const std::string disk = DiskOfDevice(entry.device);
    return !disk.empty() && isRemovable && isRemovable(disk) ? DriveType::Removable : DriveType::Fixed;
  }
  if (type == "zfs" || type == "overlay") return DriveType::Fixed;
  if (IsOneOf(type, kNetworkTypes)) return DriveType::Network;
  if (IsOneOf(type, kCdRomTypes)) return DriveType::CdRom;
  if (IsOneOf(type, kRamTypes)) return DriveType::Ram;
  return DriveType::Unknown;
}

std::vector<core::MountedDrive> DrivesOfMountTable(const std::vector<MountEntry>& entries,
                                                   const RemovableDiskTest& isRemovable) {
  std::unordered_map<std::string_view, std::size_t> lastMount;
  for (std::size_t i = 0; i < entries.size(); ++i) lastMount[entries[i].mountPoint] = i;
  std::vector<core::MountedDrive> drives;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (lastMount[entries[i].mountPoint] != i) continue;
    if (const std::optional<DriveType> type = ClassifyMount(entries[i], isRemovable)) {
      drives.push_back({entries[i].mountPoint, entries[i].fsType, *type});
    }
  }
  return drives;
}

bool MountPointHolds(std::string_view mountPoint, std::string_view path) {
  if (mountPoint.empty() || !path.starts_with(mountPoint)) return false;
  return path.size() == mountPoint.size() || mountPoint.back() == '/' || path[mountPoint.size()] == '/';
}

std::optional<core::MountedDrive> DriveHolding(const std::vector<core::MountedDrive>& drives,
                                               std::string_view path) {
  const core::MountedDrive* best = nullptr;
  for (const core::MountedDrive& drive : drives) {
    if (MountPointHolds(drive.mountPoint, path) &&
        (!best || drive.mountPoint.size() > best->mountPoint.size())) {
      best = &drive;
    }
  }
  if (!best) return std::nullopt;
  return *best;
}

}  // namespace morvane::platform
