#include "platform/drive_list.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/mount_table.h"
#include "platform/posix_file_system.h"
#include "support/temp_folder.h"

namespace morvane::platform {
namespace {

using core::DriveType;
using core::MountedDrive;

bool OnlySdbIsRemovable(std::string_view disk) { return disk == "sdb"; }

TEST(MountTable, FieldsAreSplitAndUnescaped) {
  const std::string text =
      "/dev/sda1 / ext4 rw,relatime 0 0\n"
      "/dev/sdb1 /media/u/MY\\040STICK vfat rw 0 0\n"
      "srv:/e /mnt/tab\\011and\\134back nfs4 rw 0 0\n"
      "/mnt/partial\\04 x y\n"
      "too short\n"
      "\n"
      "tmpfs\t/tmp\ttmpfs rw 0 0";
  const std::vector<MountEntry> expected = {
      {"/dev/sda1", "/", "ext4"},
      {"/dev/sdb1", "/media/u/MY STICK", "vfat"},
      {"srv:/e", "/mnt/tab\tand\\back", "nfs4"},
      {"/mnt/partial\\04", "x", "y"},
      {"tmpfs", "/tmp", "tmpfs"},
  };
  EXPECT_EQ(ParseMountTable(text), expected);
}

TEST(DiskOfDevice, PartitionsMapToTheirDisk) {
  const std::pair<std::string, std::string> cases[] = {
      {"/dev/sdb1", "sdb"},        {"/dev/sda", "sda"},
      {"/dev/vda3", "vda"},        {"/dev/mmcblk0p1", "mmcblk0"},
      {"/dev/mmcblk0", "mmcblk0"}, {"/dev/nvme0n1p2", "nvme0n1"},
      {"/dev/loop0p1", "loop0"},   {"/dev/sr0", "sr0"},
      {"/dev/mapper/root", ""},    {"tmpfs", ""},
  };
  for (const auto& [device, disk] : cases) EXPECT_EQ(DiskOfDevice(device), disk) << device;
}

TEST(ClassifyMount, TypeComesFromFileSystemAndDisk) {
  struct Case {
    MountEntry entry;
    std::optional<DriveType> type;
  } const cases[] = {
      {{"/dev/sda1", "/", "ext4"}, DriveType::Fixed},
      {{"/dev/sdb1", "/media/u/S", "vfat"}, DriveType::Removable},
      {{"/dev/sda2", "/win", "ntfs3"}, DriveType::Fixed},
      {{"/dev/mapper/data", "/data", "xfs"}, DriveType::Fixed},
      {{"overlay", "/", "overlay"}, DriveType::Fixed},
      {{"/dev/sr0", "/media/cd", "iso9660"}, DriveType::CdRom},
      {{"srv:/e", "/mnt/nfs", "nfs4"}, DriveType::Network},
      {{"u@h:", "/mnt/ssh", "fuse.sshfs"}, DriveType::Network},
      {{"tmpfs", "/tmp", "tmpfs"}, DriveType::Ram},
      {{"remote:", "/mnt/cloud", "fuse.rclone"}, DriveType::Unknown},
      {{"proc", "/proc", "proc"}, std::nullopt},
      {{"cgroup2", "/sys/fs/cgroup", "cgroup2"}, std::nullopt},
      {{"tmpfs", "/dev/shm", "tmpfs"}, std::nullopt},
      {{"/dev/loop3", "/snap/core/1", "squashfs"}, std::nullopt},
      {{"systemd-1", "/home", "autofs"}, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ClassifyMount(c.entry, OnlySdbIsRemovable), c.type)
        << c.entry.mountPoint << " " << c.entry.fsType;
  }
}

TEST(DriveHolding, LongestMountPointAtAComponentBoundary) {
  const std::vector<MountedDrive> drives = {
      {"/", "ext4", DriveType::Fixed},
      {"/mnt/a/b", "ext4", DriveType::Fixed},
      {"/mnt/a", "vfat", DriveType::Removable},
  };
  const std::pair<std::string, std::string> cases[] = {
      {"/", "/"},         {"/mnt/a", "/mnt/a"},       {"/mnt/a/x.txt", "/mnt/a"},
      {"/mnt/ab/x", "/"}, {"/mnt/a/b/c", "/mnt/a/b"}, {"relative/x", ""},
  };
  for (const auto& [path, mountPoint] : cases) {
    EXPECT_EQ(DriveHolding(drives, path).value_or(MountedDrive{}).mountPoint, mountPoint) << path;
  }
}

// The mount table and the removable flags come from files; a later mount on the same
// point hides the earlier one.
TEST(PosixFileSystemDrives, ReadsTheMountTableAndRemovableFlagsGiven) {
  test::TempFolder folder;
  folder.WriteFile("mounts",
                   "/dev/sda1 / ext4 rw 0 0\n"
                   "systemd-1 /home autofs rw 0 0\n"
                   "proc /proc proc rw 0 0\n"
                   "/dev/sdb1 /media/u/MY\\040STICK vfat rw 0 0\n"
                   "srv:/home /home nfs4 rw 0 0\n");
  folder.WriteFile("sys/block/sda/removable", "0\n");
  folder.WriteFile("sys/block/sdb/removable", "1\n");
  const PosixFileSystem fs({folder.Path("mounts"), folder.Path("sys")});

  const std::vector<MountedDrive> drives = fs.MountedDrives();
  ASSERT_EQ(drives.size(), 3u);
  EXPECT_EQ(drives[0].type, DriveType::Fixed);
  EXPECT_EQ(drives[1].mountPoint, "/media/u/MY STICK");
  EXPECT_EQ(drives[1].type, DriveType::Removable);
  EXPECT_EQ(drives[2].mountPoint, "/home");
  EXPECT_EQ(drives[2].type, DriveType::Network);
  EXPECT_EQ(fs.DriveOf("/media/u/MY STICK/photo.jpg").value_or(MountedDrive{}).fsType, "vfat");
}

}  // namespace
}  // namespace morvane::platform
