#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/fs/file_contents.h"

namespace morvane::core {

using FileTime = std::chrono::system_clock::time_point;

// The four attribute letters shown for an item. On this system: read-only when the
// owner may not write, hidden when the name starts with a dot, system and archive never.
struct FileAttributes {
  bool readOnly = false;
  bool hidden = false;
  bool system = false;
  bool archive = false;

  bool Any() const { return readOnly || hidden || system || archive; }
};

// What the file system reports for one path. A symbolic link is reported as what it
// points to (a link to a folder is a folder); a dangling link is a file of size 0. A
// folder's size is 0.
struct FileInfo {
  bool isFolder = false;
  std::uint64_t size = 0;
  FileTime modified{};
  FileAttributes attributes;
  // Which file this is: two paths with the same device and inode name one file (hard
  // links, links to folders, another spelling on a case-insensitive file system). Folder
  // walks remember these so that links cannot make them loop.
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::uint64_t linkCount = 0;

  bool IsSameFileAs(const FileInfo& other) const { return device == other.device && inode == other.inode; }
};

struct DirectoryEntry {
  std::string name;  // the bytes the file system lists, never re-encoded
  FileInfo info;
};

enum class FsStatus {
  Ok,
  NotFound,       // the source (or a folder on the way) does not exist
  AlreadyExists,  // the destination is another existing entry
  SameFile,       // a copy whose source and destination are one file
  PathTooLong,    // the system cannot use the path: a name in it is longer than it allows
  Failed,         // anything else; systemError tells what
};

struct FsResult {
  FsStatus status = FsStatus::Ok;
  int systemError = 0;  // errno of the failing call, 0 when there was none

  bool Ok() const { return status == FsStatus::Ok; }
};

enum class DriveType { Fixed, Removable, Network, CdRom, Ram, Unknown };

struct MountedDrive {
  std::string mountPoint;  // the "drive label" shown for it
  std::string fsType;
  DriveType type = DriveType::Unknown;
};

// The file system as the engines and the window see it. Paths are byte strings in
// the active code page, passed to the system as they are. One POSIX implementation
// lives in the platform layer; tests use it on real temporary folders.
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Info for a path, or nothing when it does not exist.
  virtual std::optional<FileInfo> Stat(std::string_view path) const = 0;
  // Why Stat finds nothing at path: NotFound when there is no such entry (or no folder
  // on the way), PathTooLong when the system cannot use the path at all, Failed with the
  // reason otherwise (a folder on the way that may not be searched); Ok when it exists.
  // Paths of any depth are reachable; only a name longer than its file system allows
  // makes a path too long.
  virtual FsResult Unreachable(std::string_view path) const = 0;
  // A folder: reported with the directory attribute (links to folders count).
  virtual bool IsFolder(std::string_view path) const = 0;
  // An existing entry that is not a folder (a dangling link is one).
  virtual bool FileExists(std::string_view path) const = 0;

  // The entries of folder whose names match the wildcard pattern ('*', '?', case
  // insensitive, "*.*" matching every name), hidden entries included, "." and ".."
  // left out, in the order the file system lists them. Empty when the folder cannot be
  // read.
  std::vector<DirectoryEntry> ListFolder(std::string_view folder, std::string_view pattern) const {
    std::vector<DirectoryEntry> entries;
    VisitFolder(folder, pattern, [&](const DirectoryEntry& entry) { entries.push_back(entry); });
    return entries;
  }
  // The same entries, handed to visit one at a time as they are read, so that a folder of
  // a million files needs no list of them. An entry is valid during its call only. The
  // one way a file system lists, so that a decorator cannot change one way and not the
  // other.
  virtual void VisitFolder(std::string_view folder, std::string_view pattern,
                           const std::function<void(const DirectoryEntry&)>& visit) const = 0;

  // Renames without ever replacing another entry: the same path succeeds without a
  // call; a destination that is the same file with a single link, or the same folder (a
  // case-only change on a case-insensitive file system), is renamed through a temporary
  // name; so is a destination that differs from the source only in letter case when the
  // folder lists the source alone under that name (a file system that numbers each
  // spelling apart); any other existing destination, a hard link of the source
  // included, gives AlreadyExists.
  virtual FsResult Rename(std::string_view from, std::string_view to) = 0;

  // Copies the content, mode and modification time of from to to through a temporary
  // file in the destination folder, so that a failed copy never leaves a partial file.
  // With replaceExisting an existing destination file is replaced; without it, it gives
  // AlreadyExists. A copy of a file onto itself gives SameFile.
  virtual FsResult CopyFile(std::string_view from, std::string_view to, bool replaceExisting) = 0;

  // Creates one folder (its parent must exist).
  virtual FsResult CreateFolder(std::string_view path) = 0;
  // The same for a folder of the program's own records, which hold the names of the
  // user's files: only its owner may enter it.
  virtual FsResult CreatePrivateFolder(std::string_view path) { return CreateFolder(path); }
  virtual FsResult DeleteFile(std::string_view path) = 0;

  // The mounted file systems that count as drives, in mount-table order.
  virtual std::vector<MountedDrive> MountedDrives() const = 0;
  // The drive that holds path: the mounted drive with the longest mount point that
  // contains it; nothing when no drive holds it.
  virtual std::optional<MountedDrive> DriveOf(std::string_view path) const = 0;
  // Bytes available to this user on the file system that holds path.
  virtual std::optional<std::uint64_t> FreeBytes(std::string_view path) const = 0;

  // True when a name the folder does not list is surely not there: its file system
  // holds names as exact bytes, with no other spelling of a name (no case folding).
  // False when that is not known.
  virtual bool NamesAreExact(std::string_view /*folder*/) const { return false; }

  // The path with every existing component in the form the file system lists it,
  // or "" when the path itself cannot be found (hidden entries are not found).
  virtual std::string ToLongPathForm(std::string_view path) const = 0;

  // The absolute path of an existing entry with every symbolic link, "." and ".."
  // resolved, or nothing when it cannot be resolved (or the file system cannot tell).
  virtual std::optional<std::string> RealPath(std::string_view /*path*/) const { return std::nullopt; }

  // The moment the photo or video at path was taken, as its own metadata records it
  // (TakenTimeReader), or nothing when it records none or the file system cannot tell.
  virtual std::optional<FileTime> TakenTime(std::string_view /*path*/) const { return std::nullopt; }

  // Whole files and files written over a run: the settings file, the file the text
  // viewer shows, the result file and the result log. They belong to this interface
  // rather than one of their own so that a single decorator sees every access a front
  // end makes: the dry run discards writes, and tests fail any of them on demand.

  // The file's bytes (a link is followed). Missing: nothing exists at the path (or a
  // component on the way is no folder). Unreadable: something exists but could not be
  // read: no permission, a folder or another entry that is no regular file, an I/O
  // error.
  virtual FileReadResult ReadWholeFile(std::string_view path) const = 0;
  // Replaces the file at path (or creates it) with bytes so that a reader sees either
  // the old content or the new, never a mix: the bytes go to a new temporary file in
  // the same folder, which is then renamed over the target. A target that existed keeps
  // its permission bits; a symbolic link is followed, so the link stays and its target
  // is replaced. Gives "" on success, otherwise a short description of what failed; on
  // failure the target is unchanged and the temporary file is gone.
  [[nodiscard]] virtual std::string ReplaceFileAtomically(std::string_view path, std::string_view bytes) = 0;
  // Opens path for writing (see WriteStart); on failure the file is null and error says
  // why.
  virtual OpenedFile OpenForWriting(std::string_view path, WriteStart start) = 0;
};

}  // namespace morvane::core
