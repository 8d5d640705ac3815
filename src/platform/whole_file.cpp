#include "platform/whole_file.h"

#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <random>
#include <system_error>

#include "platform/at_path.h"
#include "platform/file_descriptor.h"
#include "platform/system_path.h"
#include "platform/temporary_file.h"

namespace morvane::platform {
namespace {

constexpr std::size_t kReadChunk = std::size_t{1} << 16;
// As many links as the system itself follows before it gives up with ELOOP.
constexpr int kMaxLinks = 40;
constexpr int kTemporaryAttempts = 100;

std::string Describe(std::string_view what, int error) {
  return std::string(what) + ": " + std::generic_category().message(error);
}

// Where a chain of links starting at path ends: each link's text, taken relative to the
// link's folder unless it starts with '/'. 0 or the errno.
int FollowLinks(std::string& path) {
  for (int hops = 0; hops < kMaxLinks; ++hops) {
    struct stat status {};
    const int error = PathStatus(path, status, Links::DoNotFollow);
    if (error == ENOENT) return 0;  // the end of a dangling link: the file goes there
    if (error != 0) return error;
    if (!S_ISLNK(status.st_mode)) return 0;
    const AtPath link(path);
    if (!link.Valid()) return link.Error();
    // Some file systems report no size for a link; then the longest text there can be.
    std::string text(status.st_size > 0 ? static_cast<std::size_t>(status.st_size) + 1 : PATH_MAX, '\0');
    const ssize_t length = readlinkat(link.Folder(), link.Name(), text.data(), text.size());
    if (length < 0) return errno;
    text.resize(static_cast<std::size_t>(length));
    if (!text.starts_with('/')) text.insert(0, SystemFolderPrefix(path));
    path = std::move(text);
  }
  return ELOOP;
}

// A new empty file beside target under a name nothing uses: its descriptor, or -1.
int CreateTemporaryBeside(const std::string& target, std::string& temporary) {
  thread_local std::mt19937_64 random(std::random_device{}() ^ static_cast<std::uint64_t>(getpid()));
  const std::string_view folder = SystemFolderPrefix(target);
  const std::string stem = std::string(folder) + "." + target.substr(folder.size()) + ".tmp-";
  for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
    temporary = stem + std::to_string(random() % 1000000000);
    const AtPath atPath(temporary);
    if (!atPath.Valid()) return -1;
    const int fd = openat(atPath.Folder(), atPath.Name(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

int RenameOver(const std::string& from, const std::string& to) {
  const AtPath source(from);
  const AtPath destination(to);
  if (!source.Valid()) return source.Error();
  if (!destination.Valid()) return destination.Error();
  return renameat(source.Folder(), source.Name(), destination.Folder(), destination.Name()) == 0 ? 0 : errno;
}

}  // namespace

core::FileReadResult ReadWholeFile(std::string_view path) {
  using core::FileReadStatus;
  struct stat status {};
  const int error = PathStatus(path, status, Links::Follow);
  // A file inside something that is no folder does not exist either.
  if (error == ENOENT || error == ENOTDIR) return {FileReadStatus::Missing, {}};
  if (error != 0 || !S_ISREG(status.st_mode)) return {FileReadStatus::Unreadable, {}};

  const AtPath atPath(path);
  // Non-blocking in case the entry became a pipe since the check.
  const FileDescriptor in(
      atPath.Valid() ? openat(atPath.Folder(), atPath.Name(), O_RDONLY | O_CLOEXEC | O_NONBLOCK) : -1);
  if (!in.Valid()) return {FileReadStatus::Unreadable, {}};
  std::string bytes;
  // The size is a hint only: files in /proc report 0, and a file may grow meanwhile.
  bytes.reserve(static_cast<std::size_t>(status.st_size));
  for (;;) {
    const std::size_t used = bytes.size();
    bytes.resize(used + kReadChunk);
    const ssize_t got = read(in.Get(), bytes.data() + used, kReadChunk);
    if (got < 0 && errno == EINTR) {
      bytes.resize(used);
      continue;
    }
    if (got < 0) return {FileReadStatus::Unreadable, {}};
    bytes.resize(used + static_cast<std::size_t>(got));
    if (got == 0) return {FileReadStatus::Read, std::move(bytes)};
  }
}

std::string ReplaceFileAtomically(std::string_view path, std::string_view bytes) {
  std::string target(path);
  // Renaming over a link would replace the link itself with a plain file.
  if (const int error = FollowLinks(target)) return Describe("cannot resolve the link", error);
  struct stat old {};
  const bool existed = PathStatus(target, old, Links::Follow) == 0;

  std::string temporaryPath;
  FileDescriptor out(CreateTemporaryBeside(target, temporaryPath));
  if (!out.Valid()) return "cannot create the temporary file " + temporaryPath;
  TemporaryFile temporary(temporaryPath);
  // Best effort: a file that cannot get the old bits still holds the right content.
  if (existed) (void)fchmod(out.Get(), old.st_mode & 07777);
  int error = WriteAll(out.Get(), bytes.data(), bytes.size());
  if (error == 0) error = out.Close();
  if (error != 0) return "cannot write the temporary file " + temporaryPath;
  if (const int failed = RenameOver(temporaryPath, target)) {
    return Describe("cannot rename the temporary file", failed);
  }
  temporary.Keep();
  return {};
}

}  // namespace morvane::platform
