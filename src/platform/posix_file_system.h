#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/fs/file_system.h"
#include "platform/drive_list.h"

namespace morvane::platform {

// Where PosixFileSystem reads the mounts and the removable flags of disks; tests point
// them at files of their own.
struct PosixFileSystemOptions {
  std::string mountTablePath = "/proc/self/mounts";
  std::string sysfsRoot = "/sys";
};

// The file system of this computer through POSIX and Linux calls. Paths go to the
// system byte for byte; names are matched and compared in the active code page.
//
// Beyond the FileSystem contract:
// - a link whose target is missing is an existing file (FileExists is true for it, and
//   Stat reports it as a file of size 0); a folder's size is 0;
// - every path is reached whatever its length: one longer than PATH_MAX is walked
//   folder by folder (see AtPath), so only a name too long for its file system is
//   PathTooLong;
// - a listing stats each entry in the folder it lists, so entries carry their info;
// - CopyFile copies regular files only and replaces a link at the destination, not the
//   link's target (see CopyFileThroughTemporary);
// - MountedDrives reads the mount table on each call, so it sees mounts made since;
//   DriveOf compares mount points with the path as written (links are not resolved);
// - files opened for writing write through, with no buffer of their own (see
//   OpenOutputFile); ReplaceFileAtomically follows a link that leads nowhere yet and
//   creates its target (see platform/whole_file.h).
class PosixFileSystem final : public core::FileSystem {
 public:
  explicit PosixFileSystem(PosixFileSystemOptions options = {});

  std::optional<core::FileInfo> Stat(std::string_view path) const override;
  core::FsResult Unreachable(std::string_view path) const override;
  bool IsFolder(std::string_view path) const override;
  bool FileExists(std::string_view path) const override;
  void VisitFolder(std::string_view folder, std::string_view pattern,
                   const std::function<void(const core::DirectoryEntry&)>& visit) const override;

  core::FsResult Rename(std::string_view from, std::string_view to) override;
  core::FsResult CopyFile(std::string_view from, std::string_view to, bool replaceExisting) override;
  core::FsResult CreateFolder(std::string_view path) override;
  core::FsResult CreatePrivateFolder(std::string_view path) override;
  core::FsResult DeleteFile(std::string_view path) override;

  std::vector<core::MountedDrive> MountedDrives() const override;
  std::optional<core::MountedDrive> DriveOf(std::string_view path) const override;
  std::optional<std::uint64_t> FreeBytes(std::string_view path) const override;

  bool NamesAreExact(std::string_view folder) const override;
  std::string ToLongPathForm(std::string_view path) const override;
  std::optional<std::string> RealPath(std::string_view path) const override;
  std::optional<core::FileTime> TakenTime(std::string_view path) const override;

  core::FileReadResult ReadWholeFile(std::string_view path) const override;
  std::string ReplaceFileAtomically(std::string_view path, std::string_view bytes) override;
  core::OpenedFile OpenForWriting(std::string_view path, core::WriteStart start) override;

 private:
  PosixFileSystemOptions m_options;
  RemovableDiskTest m_isRemovable;
};

}  // namespace morvane::platform
