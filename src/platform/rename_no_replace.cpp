#include "platform/rename_no_replace.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/at_path.h"
#include "platform/file_info.h"
#include "platform/fs_result.h"
#include "platform/system_path.h"
#include "platform/temporary_name.h"

namespace morvane::platform {
namespace {

constexpr unsigned kRenameNoReplaceFlag = 1;  // RENAME_NOREPLACE of <linux/fs.h>
constexpr int kTemporaryNameAttempts = 100;

// The system call itself, so that C libraries without a renameat2 wrapper work too.
int RenameAt2NoReplace(const AtPath& from, const AtPath& to) {
#ifdef SYS_renameat2
  if (syscall(SYS_renameat2, from.Folder(), from.Name(), to.Folder(), to.Name(), kRenameNoReplaceFlag) == 0) {
    return 0;
  }
  return errno;
#else
  (void)from;
  (void)to;
  return ENOSYS;
#endif
}

// The lstat of a path already reached; 0 or its errno.
int LinkStatus(const AtPath& path, struct stat& status) {
  return fstatat(path.Folder(), path.Name(), &status, AT_SYMLINK_NOFOLLOW) == 0 ? 0 : errno;
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Every case-insensitive file system folds at least the ASCII letters. One that folds
// more only lets fewer renames through here; a pair that it tells apart (a trail byte in
// CP932 that happens to be a letter) exists as two listed entries and stays a conflict.
bool EqualApartFromCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

// The entries of folder (a prefix as SystemFolderPrefix gives it) whose names equal name
// apart from case, as readdir lists them now; nothing when the folder cannot be read to
// its end.
std::optional<std::vector<std::string>> EntriesNamedLike(std::string_view folder, std::string_view name) {
  DIR* dir = OpenFolder(folder.empty() ? std::string_view(".") : folder);
  if (dir == nullptr) return std::nullopt;
  std::vector<std::string> names;
  const dirent* entry = nullptr;
  // readdir tells its end from a failure only through errno.
  while ((errno = 0, entry = readdir(dir)) != nullptr) {
    if (EqualApartFromCase(entry->d_name, name)) names.emplace_back(entry->d_name);
  }
  const bool complete = errno == 0;
  closedir(dir);
  if (!complete) return std::nullopt;
  return names;
}

std::string_view NameOf(std::string_view path) { return path.substr(SystemFolderPrefix(path).size()); }

// True when to, which the file system says exists, can only be from under another
// spelling although it has an inode number of its own (FUSE file systems that number
// each spelling apart, such as fusefat): both lie in one folder, the names differ only
// in case, and the folder lists from and no other entry of that name. A case-sensitive
// file system would list an existing to as an entry of its own; a case-insensitive one
// cannot hold two entries that differ only in case.
bool IsAnotherSpellingOfItself(std::string_view from, std::string_view to) {
  const std::string_view folder = SystemFolderPrefix(from);
  const std::string_view name = NameOf(from);
  if (folder != SystemFolderPrefix(to) || name.empty() || !EqualApartFromCase(name, NameOf(to))) {
    return false;
  }
  const std::optional<std::vector<std::string>> listed = EntriesNamedLike(folder, name);
  return listed && listed->size() == 1 && listed->front() == name;
}

}  // namespace

int RenameNoReplace(const AtPath& from, const AtPath& to) {
  if (!from.Valid()) return from.Error();
  if (!to.Valid()) return to.Error();
  const int error = RenameAt2NoReplace(from, to);
  if (error != EINVAL && error != ENOSYS) return error;
  // EINVAL may also mean "a folder into itself"; the plain rename reports that again.
  // On FUSE the refused call has just looked to up afresh (a rename target is never
  // taken from the cache), so this lstat does not find a spelling that a moment ago
  // belonged to an entry since renamed, as in the second step of a change of case.
  struct stat existing {};
  if (LinkStatus(to, existing) == 0) return EEXIST;
  return renameat(from.Folder(), from.Name(), to.Folder(), to.Name()) == 0 ? 0 : errno;
}

core::FsResult RenameThroughTemporaryName(std::string_view from, std::string_view to) {
  const AtPath source(from);
  const AtPath destination(to);
  if (!source.Valid()) return ResultOfErrno(source.Error());
  if (!destination.Valid()) return ResultOfErrno(destination.Error());
  std::string temporary;
  int error = EEXIST;
  for (int attempt = 0; attempt < kTemporaryNameAttempts && error == EEXIST; ++attempt) {
    temporary = TemporaryNameNextTo(from, "rename-");
    error = RenameNoReplace(source, AtPath(temporary));
  }
  if (error != 0) return ResultOfErrno(error);
  const AtPath temporaryPath(temporary);
  error = RenameNoReplace(temporaryPath, destination);
  if (error != 0) {
    // The old name was free a moment ago; if even this fails, the entry keeps the
    // temporary name, which is better than losing it.
    RenameNoReplace(temporaryPath, source);
  }
  return ResultOfErrno(error);
}

core::FsResult RenameWithoutReplacing(std::string_view from, std::string_view to) {
  if (from == to) return {};
  struct stat sourceStatus {};
  struct stat destinationStatus {};
  {
    const AtPath source(from);
    const AtPath destination(to);
    const int error = RenameNoReplace(source, destination);
    if (error != EEXIST) return ResultOfErrno(error);
    if (const int statusError = LinkStatus(source, sourceStatus)) return ResultOfErrno(statusError);
    if (LinkStatus(destination, destinationStatus) != 0) return ResultOfErrno(EEXIST);
  }
  // Folders cannot be hard-linked (their link count counts subfolders), so the same
  // folder is always the same entry; a file with more links may be another name of it.
  const bool sameEntry = IsSameEntry(sourceStatus, destinationStatus) &&
                         (S_ISDIR(sourceStatus.st_mode) || sourceStatus.st_nlink == 1);
  if (sameEntry) return RenameThroughTemporaryName(from, to);
  if (!IsAnotherSpellingOfItself(from, to)) return ResultOfErrno(EEXIST);
  // Both steps refuse to replace: should to have been a separate entry after all (one
  // created meanwhile), the second step fails and the entry gets its old name back.
  const core::FsResult result = RenameThroughTemporaryName(from, to);
  if (!result.Ok()) return result;
  // The proof came from a listing, so the listing also tells whether the new spelling
  // took: a file system that does not keep the case it is given shows the old one.
  const std::optional<std::vector<std::string>> listed = EntriesNamedLike(SystemFolderPrefix(to), NameOf(to));
  if (listed && std::ranges::find(*listed, NameOf(to)) != listed->end()) return result;
  return ResultOfErrno(ENOTSUP);
}

}  // namespace morvane::platform
