#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "core/fs/forwarding_file_system.h"
#include "core/text/code_page.h"

namespace morvane::core {

// The file system as a plan sees it: everything is read from the real one, and every
// rename, copy, new folder and deletion is recorded instead of done, so that a run over
// this file system meets its own earlier steps (a name it has taken, a file it has moved
// away) exactly as the real run would, while nothing on disk changes. The engines' own
// per-file decisions then make the plan.
//
// The steps report what the real calls report: a rename never replaces another entry
// (a destination that is the source itself, with one link, is renamed), a copy without
// replacing refuses a taken name, a copy onto its own source is SameFile, a missing
// source or destination folder is NotFound, and a name longer than kLongestName bytes
// is PathTooLong. What only the disk can tell (a full disk, a file that is not a regular
// file, permissions) is not foreseen. Logs and settings are never written: a file opened
// for writing keeps nothing, and replacing a whole file is refused.
class PlanningFileSystem : public ForwardingFileSystem {
 public:
  // The longest file name the Linux file systems take, in bytes.
  static constexpr std::size_t kLongestName = 255;

  explicit PlanningFileSystem(FileSystem& real, const CodePage& codePage = ActiveCodePage())
      : ForwardingFileSystem(real), m_codePage(codePage) {}

  std::optional<FileInfo> Stat(std::string_view path) const override;
  FsResult Unreachable(std::string_view path) const override;
  bool IsFolder(std::string_view path) const override;
  bool FileExists(std::string_view path) const override;
  std::vector<DirectoryEntry> ListFolder(std::string_view folder, std::string_view pattern) const override;
  FsResult Rename(std::string_view from, std::string_view to) override;
  FsResult CopyFile(std::string_view from, std::string_view to, bool replaceExisting) override;
  FsResult CreateFolder(std::string_view path) override;
  FsResult DeleteFile(std::string_view path) override;
  std::string ReplaceFileAtomically(std::string_view path, std::string_view bytes) override;
  OpenedFile OpenForWriting(std::string_view path, WriteStart start) override;

 private:
  // The entry at path now: one the plan made, none when the plan took it away, else the
  // disk's.
  std::optional<FileInfo> Entry(std::string_view path) const;
  // Where path lies, and its last component.
  std::string FolderOf(std::string_view path) const;
  std::string NameOf(std::string_view path) const;
  // The folder that would hold path exists now.
  bool FolderOfExists(std::string_view path) const;
  void Put(std::string_view path, const FileInfo& info);
  void Remove(std::string_view path);

  const CodePage& m_codePage;
  std::map<std::string, FileInfo, std::less<>> m_made;
  std::set<std::string, std::less<>> m_gone;
  // Copies are new files: each gets an inode number no file on disk has.
  std::uint64_t m_nextInode = std::uint64_t{1} << 62;
};

}  // namespace morvane::core
