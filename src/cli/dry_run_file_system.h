#pragma once

#include "core/fs/file_system.h"

namespace morvane::cli {

// The file system as a dry run sees it: everything is read from the real one, nothing
// is changed. Creating a folder reports success (so the checks go on as if it had been
// created); renames, copies and deletes fail.
class DryRunFileSystem : public core::FileSystem {
 public:
  explicit DryRunFileSystem(const core::FileSystem& real) : m_real(real) {}

  std::optional<core::FileInfo> Stat(std::string_view path) const override { return m_real.Stat(path); }
  bool IsFolder(std::string_view path) const override { return m_real.IsFolder(path); }
  bool FileExists(std::string_view path) const override { return m_real.FileExists(path); }
  std::vector<core::DirectoryEntry> ListFolder(std::string_view folder,
                                               std::string_view pattern) const override {
    return m_real.ListFolder(folder, pattern);
  }
  core::FsResult Rename(std::string_view, std::string_view) override { return Refused(); }
  core::FsResult CopyFile(std::string_view, std::string_view, bool) override { return Refused(); }
  core::FsResult CreateFolder(std::string_view) override { return {}; }
  core::FsResult DeleteFile(std::string_view) override { return Refused(); }
  std::vector<core::MountedDrive> MountedDrives() const override { return m_real.MountedDrives(); }
  std::optional<core::MountedDrive> DriveOf(std::string_view path) const override {
    return m_real.DriveOf(path);
  }
  std::optional<std::uint64_t> FreeBytes(std::string_view path) const override {
    return m_real.FreeBytes(path);
  }
  std::string ToLongPathForm(std::string_view path) const override { return m_real.ToLongPathForm(path); }

 private:
  static core::FsResult Refused() { return {core::FsStatus::Failed, 0}; }
  const core::FileSystem& m_real;
};

}  // namespace morvane::cli
