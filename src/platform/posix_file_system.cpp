#include "platform/posix_file_system.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <limits>
#include <memory>

#include "core/names/path_rules.h"
#include "core/names/wildcard.h"
#include "platform/at_path.h"
#include "platform/file_copy.h"
#include "platform/file_info.h"
#include "platform/fs_result.h"
#include "platform/long_path_form.h"
#include "platform/metadata_taken_time.h"
#include "platform/mount_table.h"
#include "platform/name_exactness.h"
#include "platform/output_file.h"
#include "platform/rename_no_replace.h"
#include "platform/whole_file.h"

namespace morvane::platform {
namespace {

// The file name of a path as its last component, ignoring trailing slashes ("dir/").
std::string_view LastComponent(std::string_view path) {
  while (path.size() > 1 && path.back() == '/') path.remove_suffix(1);
  const std::size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace

PosixFileSystem::PosixFileSystem(PosixFileSystemOptions options)
    : m_options(std::move(options)), m_isRemovable(SysfsRemovableDiskTest(m_options.sysfsRoot)) {}

std::optional<core::FileInfo> PosixFileSystem::Stat(std::string_view path) const {
  const AtPath atPath(path);
  if (!atPath.Valid()) return std::nullopt;
  return StatEntry(atPath.Folder(), atPath.Name(), LastComponent(path));
}

core::FsResult PosixFileSystem::Unreachable(std::string_view path) const {
  const AtPath atPath(path);
  if (!atPath.Valid()) return ResultOfErrno(atPath.Error());
  struct stat status {};
  if (fstatat(atPath.Folder(), atPath.Name(), &status, 0) == 0) return {};
  const int error = errno;
  // A link that leads nowhere is a file all the same (Stat reports it).
  if ((error == ENOENT || error == ELOOP) &&
      fstatat(atPath.Folder(), atPath.Name(), &status, AT_SYMLINK_NOFOLLOW) == 0) {
    return {};
  }
  return ResultOfErrno(error);
}

bool PosixFileSystem::IsFolder(std::string_view path) const {
  const AtPath atPath(path);
  struct stat status {};
  return atPath.Valid() && fstatat(atPath.Folder(), atPath.Name(), &status, 0) == 0 &&
         S_ISDIR(status.st_mode);
}

bool PosixFileSystem::FileExists(std::string_view path) const {
  const std::optional<core::FileInfo> info = Stat(path);
  return info && !info->isFolder;
}

void PosixFileSystem::VisitFolder(std::string_view folder, std::string_view pattern,
                                  const std::function<void(const core::DirectoryEntry&)>& visit) const {
  // Closed however the visit ends, a visitor that throws included.
  const std::unique_ptr<DIR, int (*)(DIR*)> opened(OpenFolder(folder), closedir);
  DIR* dir = opened.get();
  if (dir == nullptr) return;
  const core::CodePage& codePage = core::ActiveCodePage();
  // One entry is filled again for every name, so that a long listing makes no string
  // of its own per name.
  core::DirectoryEntry listed;
  while (const dirent* entry = readdir(dir)) {
    const std::string_view name(entry->d_name);
    if (name == "." || name == ".." || !core::MatchesWildcard(pattern, name, codePage)) continue;
    // An entry removed between readdir and the stat is left out, as if listed a moment later.
    if (std::optional<core::FileInfo> info = StatEntry(dirfd(dir), entry->d_name, name)) {
      listed.name.assign(name);
      listed.info = *info;
      visit(listed);
    }
  }
}

core::FsResult PosixFileSystem::Rename(std::string_view from, std::string_view to) {
  return RenameWithoutReplacing(from, to);
}

core::FsResult PosixFileSystem::CopyFile(std::string_view from, std::string_view to, bool replaceExisting) {
  return CopyFileThroughTemporary(from, to, replaceExisting);
}

namespace {

core::FsResult MakeFolder(std::string_view path, mode_t mode) {
  const AtPath atPath(path);
  if (!atPath.Valid()) return ResultOfErrno(atPath.Error());
  return ResultOfErrno(mkdirat(atPath.Folder(), atPath.Name(), mode) == 0 ? 0 : errno);
}

}  // namespace

core::FsResult PosixFileSystem::CreateFolder(std::string_view path) { return MakeFolder(path, 0777); }

core::FsResult PosixFileSystem::CreatePrivateFolder(std::string_view path) { return MakeFolder(path, 0700); }

core::FsResult PosixFileSystem::DeleteFile(std::string_view path) {
  const AtPath atPath(path);
  if (!atPath.Valid()) return ResultOfErrno(atPath.Error());
  return ResultOfErrno(unlinkat(atPath.Folder(), atPath.Name(), 0) == 0 ? 0 : errno);
}

std::vector<core::MountedDrive> PosixFileSystem::MountedDrives() const {
  std::ifstream file(m_options.mountTablePath, std::ios::binary);
  // The size of a file in /proc is unknown; read it to its end.
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  return DrivesOfMountTable(ParseMountTable(text), m_isRemovable);
}

std::optional<core::MountedDrive> PosixFileSystem::DriveOf(std::string_view path) const {
  return DriveHolding(MountedDrives(), path);
}

bool PosixFileSystem::NamesAreExact(std::string_view folder) const {
  const AtPath atPath(folder);
  if (!atPath.Valid()) return false;
  const int fd = openat(atPath.Folder(), atPath.Name(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool exact = FolderNamesAreExact(fd);
  close(fd);
  return exact;
}

std::optional<std::uint64_t> PosixFileSystem::FreeBytes(std::string_view path) const {
  const AtPath atPath(path);
  if (!atPath.Valid()) return std::nullopt;
  const int fd = openat(atPath.Folder(), atPath.Name(), O_PATH | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct statvfs status {};
  const bool known = fstatvfs(fd, &status) == 0;
  close(fd);
  if (!known) return std::nullopt;
  const std::uint64_t blockSize = status.f_frsize != 0 ? status.f_frsize : status.f_bsize;
  const std::uint64_t blocks = status.f_bavail;
  if (blockSize != 0 && blocks > std::numeric_limits<std::uint64_t>::max() / blockSize) {
    return std::numeric_limits<std::uint64_t>::max();
  }
  return blocks * blockSize;
}

std::optional<std::string> PosixFileSystem::RealPath(std::string_view path) const {
  const std::unique_ptr<char, decltype(&std::free)> real(realpath(std::string(path).c_str(), nullptr),
                                                         &std::free);
  if (!real) return std::nullopt;
  return std::string(real.get());
}

std::optional<core::FileTime> PosixFileSystem::TakenTime(std::string_view path) const {
  // One reader for the program: making it silences the metadata libraries once.
  static const MetadataTakenTimeReader reader;
  const std::optional<core::TakenTime> taken = reader.Read(path);
  if (!taken) return std::nullopt;
  return taken->time;
}

std::string PosixFileSystem::ToLongPathForm(std::string_view path) const {
  return LongPathForm(path, core::ActiveCodePage());
}

core::FileReadResult PosixFileSystem::ReadWholeFile(std::string_view path) const {
  return platform::ReadWholeFile(path);
}

std::string PosixFileSystem::ReplaceFileAtomically(std::string_view path, std::string_view bytes) {
  return platform::ReplaceFileAtomically(path, bytes);
}

core::OpenedFile PosixFileSystem::OpenForWriting(std::string_view path, core::WriteStart start) {
  return OpenOutputFile(path, start);
}

}  // namespace morvane::platform
