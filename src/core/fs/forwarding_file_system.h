#pragma once

#include "core/fs/file_system.h"

namespace morvane::core {

// A file system that hands every call to another one. Decorators derive from it and
// override only what they change (the dry run refuses writes; a test may act in the
// middle of a rename).
class ForwardingFileSystem : public FileSystem {
 public:
  explicit ForwardingFileSystem(FileSystem& real) : m_real(real) {}

  std::optional<FileInfo> Stat(std::string_view path) const override { return m_real.Stat(path); }
  FsResult Unreachable(std::string_view path) const override { return m_real.Unreachable(path); }
  bool IsFolder(std::string_view path) const override { return m_real.IsFolder(path); }
  bool FileExists(std::string_view path) const override { return m_real.FileExists(path); }
  void VisitFolder(std::string_view folder, std::string_view pattern,
                   const std::function<void(const DirectoryEntry&)>& visit) const override {
    m_real.VisitFolder(folder, pattern, visit);
  }
  FsResult Rename(std::string_view from, std::string_view to) override { return m_real.Rename(from, to); }
  FsResult CopyFile(std::string_view from, std::string_view to, bool replaceExisting) override {
    return m_real.CopyFile(from, to, replaceExisting);
  }
  FsResult CreateFolder(std::string_view path) override { return m_real.CreateFolder(path); }
  FsResult CreatePrivateFolder(std::string_view path) override { return m_real.CreatePrivateFolder(path); }
  FsResult DeleteFile(std::string_view path) override { return m_real.DeleteFile(path); }
  std::vector<MountedDrive> MountedDrives() const override { return m_real.MountedDrives(); }
  std::optional<MountedDrive> DriveOf(std::string_view path) const override { return m_real.DriveOf(path); }
  std::optional<std::uint64_t> FreeBytes(std::string_view path) const override {
    return m_real.FreeBytes(path);
  }
  bool NamesAreExact(std::string_view folder) const override { return m_real.NamesAreExact(folder); }
  std::string ToLongPathForm(std::string_view path) const override { return m_real.ToLongPathForm(path); }
  std::optional<std::string> RealPath(std::string_view path) const override { return m_real.RealPath(path); }
  std::optional<FileTime> TakenTime(std::string_view path) const override { return m_real.TakenTime(path); }
  FileReadResult ReadWholeFile(std::string_view path) const override { return m_real.ReadWholeFile(path); }
  std::string ReplaceFileAtomically(std::string_view path, std::string_view bytes) override {
    return m_real.ReplaceFileAtomically(path, bytes);
  }
  OpenedFile OpenForWriting(std::string_view path, WriteStart start) override {
    return m_real.OpenForWriting(path, start);
  }

 private:
  FileSystem& m_real;
};

}  // namespace morvane::core
