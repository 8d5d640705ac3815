#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>

#include "absl/container/flat_hash_map.h"
#include "core/fs/forwarding_file_system.h"
#include "core/text/byte_arena.h"
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
//
// A planning file system serves one plan: what the disk answered for a path (a Stat, or
// an entry of a folder listing) is taken as its answer for the rest of the plan. A name
// a whole listing did not show is not asked for when the folder's names are exact
// (FileSystem::NamesAreExact); elsewhere it is, since the disk may hold it under another
// spelling.
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
  void VisitFolder(std::string_view folder, std::string_view pattern,
                   const std::function<void(const DirectoryEntry&)>& visit) const override;
  FsResult Rename(std::string_view from, std::string_view to) override;
  FsResult CopyFile(std::string_view from, std::string_view to, bool replaceExisting) override;
  FsResult CreateFolder(std::string_view path) override;
  FsResult DeleteFile(std::string_view path) override;
  std::string ReplaceFileAtomically(std::string_view path, std::string_view bytes) override;
  OpenedFile OpenForWriting(std::string_view path, WriteStart start) override;

  // A step recorded a change: a plan over the disk alone would differ.
  bool Changed() const { return m_changed; }

 private:
  // What is known of one path: a step of the plan made it (an entry) or took it away
  // (none), or else the disk answered for it.
  struct Known {
    bool recorded = false;
    std::optional<FileInfo> entry;
  };
  // Not noexcept, so that the table keeps each path's hash instead of hashing long
  // paths again as it walks a bucket.
  struct PathHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view path) const { return std::hash<std::string_view>{}(path); }
  };
  struct SamePath {
    using is_transparent = void;
    bool operator()(std::string_view one, std::string_view other) const { return one == other; }
  };

  // What is known of path, asking the disk when nothing is yet. The reference stays
  // valid for the life of this file system.
  Known& Lookup(std::string_view path) const;
  // The entry at path now: one the plan made, none when the plan took it away, else the
  // disk's.
  std::optional<FileInfo> Entry(std::string_view path) const { return Lookup(path).entry; }
  // Where path lies, and its last component.
  std::string_view FolderOf(std::string_view path) const;
  std::string_view NameOf(std::string_view path) const;
  // The folder that would hold path exists now.
  bool FolderOfExists(std::string_view path) const;

  const CodePage& m_codePage;
  // The folders listed whole whose names are exact: a name they did not list is free.
  mutable std::unordered_set<std::string, PathHash, SamePath> m_wholeFolders;
  // Every path this file system has met, kept until it goes: a plan meets each file a
  // few times and forgets none of them before its end. The paths are kept in an arena
  // and found through a flat index of their places in m_met: a table of a node per path
  // costs a plan of many files a cache miss or two on each of its looks. The deque keeps
  // each Known where it is, as Lookup's callers hold on to it.
  struct Met {
    std::string_view path;
    Known known;
  };
  mutable ByteArena m_paths;
  mutable std::deque<Met> m_met;
  mutable absl::flat_hash_map<std::string_view, std::uint32_t> m_known;
  // Adds path, which was not known, with what is known of it.
  Known& Add(std::string_view path, Known known) const;
  // The folder FolderOfExists looked at last: the steps of a run mostly stay in one
  // folder, and its long path need not be hashed for each of them.
  mutable std::string m_lastFolderPath;
  mutable const Known* m_lastFolder = nullptr;
  // Copies are new files: each gets an inode number no file on disk has.
  std::uint64_t m_nextInode = std::uint64_t{1} << 62;
  bool m_changed = false;
};

}  // namespace morvane::core
