// Renames on a FAT image mounted through fusefat: a case-insensitive file system that
// gives each spelling of a name an inode number of its own and cannot rename without
// replacing, so neither the same-inode test nor renameat2's flag can tell a change of
// case from a conflict there. Beside it, the same question on a case-sensitive folder.
#include <errno.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/inotify.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "platform/listed_names.h"
#include "platform/posix_file_system.h"
#include "support/temp_folder.h"

extern char** environ;

namespace morvane::platform {
namespace {

using core::FsStatus;
using Names = std::vector<std::string>;
using Contents = std::vector<std::pair<std::string, std::string>>;

// The program's path on PATH or in the folders where Debian keeps mkfs.fat; "" when none.
std::string FindProgram(const std::string& name) {
  const char* path = getenv("PATH");
  std::string folders = std::string(path != nullptr ? path : "") + ":/usr/sbin:/sbin:/usr/bin:/bin";
  for (std::size_t start = 0; start <= folders.size();) {
    const std::size_t end = std::min(folders.find(':', start), folders.size());
    const std::string candidate = folders.substr(start, end - start) + "/" + name;
    if (end > start && access(candidate.c_str(), X_OK) == 0) return candidate;
    start = end + 1;
  }
  return "";
}

// Runs the program with its output discarded; true when it exits with 0.
bool RunQuietly(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t child = 0;
  const int error = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  return error == 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Counts the entries moved in or out of one folder, so that a test can tell a refused
// rename from one that moved the source away and back.
class MoveWatch {
 public:
  explicit MoveWatch(const std::string& folder) : m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    if (m_fd >= 0) inotify_add_watch(m_fd, folder.c_str(), IN_MOVED_FROM | IN_MOVED_TO);
  }
  ~MoveWatch() {
    if (m_fd >= 0) close(m_fd);
  }
  MoveWatch(const MoveWatch&) = delete;
  MoveWatch& operator=(const MoveWatch&) = delete;

  int Moves() const {
    alignas(inotify_event) char buffer[4096];
    int moves = 0;
    ssize_t size = 0;
    while ((size = read(m_fd, buffer, sizeof buffer)) > 0) {
      for (ssize_t at = 0; at < size;) {
        const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
        moves += (event->mask & (IN_MOVED_FROM | IN_MOVED_TO)) != 0;
        at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
      }
    }
    return moves;
  }

 private:
  int m_fd;
};

struct CaseRename {
  const char* name;
  Names files;  // each written with its own name as its content
  const char* from;
  const char* to;
  FsStatus expected;
  Contents after;  // every entry listed afterwards, with its content

  friend void PrintTo(const CaseRename& rename, std::ostream* out) { *out << rename.name; }
};

void ExpectRename(const test::TempFolder& folder, const std::string& root, const CaseRename& rename) {
  for (const std::string& file : rename.files) folder.WriteFile(root + file, file);
  const std::string base = folder.Path(root);
  const MoveWatch watch(base);
  const core::FsResult result = PosixFileSystem().Rename(base + rename.from, base + rename.to);
  EXPECT_EQ(result.status, rename.expected) << "errno " << result.systemError;
  Names listed;
  for (const auto& [name, content] : rename.after) {
    listed.push_back(name);
    EXPECT_EQ(folder.ReadFile(root + name), content) << name;
  }
  // The listing shows the spelling the entry really has, and any temporary name left over.
  EXPECT_EQ(ListedNames(base), listed);
  // A refused rename never moves the source, not even away and back.
  if (rename.expected != FsStatus::Ok) {
    EXPECT_EQ(watch.Moves(), 0);
  }
}

// A FAT image of its own, mounted through fusefat while the test runs.
class FatCaseRenameTest : public ::testing::TestWithParam<CaseRename> {
 protected:
  void SetUp() override {
    if (access("/dev/fuse", R_OK | W_OK) != 0) GTEST_SKIP() << "/dev/fuse is not usable here";
    const std::string mkfs = FindProgram("mkfs.fat");
    const std::string fusefat = FindProgram("fusefat");
    if (mkfs.empty() || fusefat.empty()) GTEST_SKIP() << "needs mkfs.fat (dosfstools) and fusefat";
    const std::string image = m_folder.Path("fat.img");
    m_folder.WriteFile("fat.img", "");
    ASSERT_EQ(truncate(image.c_str(), 8 << 20), 0);
    ASSERT_TRUE(RunQuietly({mkfs, image}));
    m_folder.CreateFiles({"mnt/"});
    const std::string mountPoint = m_folder.Path("mnt");
    if (!RunQuietly({fusefat, "-o", "rw+", image, mountPoint}) || !MountedOnItsOwn(mountPoint)) {
      GTEST_SKIP() << "fusefat could not mount a FAT image here";
    }
    m_mountPoint = mountPoint;
  }

  void TearDown() override {
    if (m_mountPoint.empty()) return;
    for (const char* unmount : {"fusermount", "fusermount3"}) {
      const std::string program = FindProgram(unmount);
      if (!program.empty() && RunQuietly({program, "-u", m_mountPoint})) return;
    }
    // Root may have neither; the folder must not stay mounted when it is removed.
    EXPECT_EQ(umount2(m_mountPoint.c_str(), MNT_DETACH), 0) << "cannot unmount " << m_mountPoint;
  }

  bool MountedOnItsOwn(const std::string& mountPoint) const {
    struct stat folder {};
    struct stat mounted {};
    return stat(m_folder.Root().c_str(), &folder) == 0 && stat(mountPoint.c_str(), &mounted) == 0 &&
           folder.st_dev != mounted.st_dev;
  }

  test::TempFolder m_folder;
  std::string m_mountPoint;
};

TEST_P(FatCaseRenameTest, ChangesCaseButNeverReplacesAnotherFile) {
  ExpectRename(m_folder, "mnt/", GetParam());
  // A plan must ask this file system about every name its listing lacks.
  EXPECT_FALSE(PosixFileSystem().NamesAreExact(m_mountPoint));
}

INSTANTIATE_TEST_SUITE_P(
    Renames, FatCaseRenameTest,
    ::testing::Values(
        CaseRename{"CaseOnly", {"abc.txt"}, "abc.txt", "ABC.TXT", FsStatus::Ok, {{"ABC.TXT", "abc.txt"}}},
        CaseRename{"OneLetterBesideAnotherFile",
                   {"abc.txt", "b.txt"},
                   "abc.txt",
                   "Abc.txt",
                   FsStatus::Ok,
                   {{"Abc.txt", "abc.txt"}, {"b.txt", "b.txt"}}},
        CaseRename{"FreeName", {"a.txt"}, "a.txt", "c.txt", FsStatus::Ok, {{"c.txt", "a.txt"}}},
        CaseRename{"OntoAnotherFile",
                   {"a.txt", "b.txt"},
                   "a.txt",
                   "b.txt",
                   FsStatus::AlreadyExists,
                   {{"a.txt", "a.txt"}, {"b.txt", "b.txt"}}},
        // B.TXT is b.txt here: it exists, yet is no spelling of a.txt.
        CaseRename{"OntoAnotherFileSpelledOtherwise",
                   {"a.txt", "b.txt"},
                   "a.txt",
                   "B.TXT",
                   FsStatus::AlreadyExists,
                   {{"a.txt", "a.txt"}, {"b.txt", "b.txt"}}}),
    [](const ::testing::TestParamInfo<CaseRename>& info) { return std::string(info.param.name); });

// On a case-sensitive folder another spelling is an entry of its own: a conflict.
TEST(CaseSensitiveFolderTest, OtherSpellingThatExistsIsAnotherFile) {
  test::TempFolder folder;
  ExpectRename(folder, "",
               {"OntoItsOtherSpelling",
                {"x.txt", "X.txt"},
                "x.txt",
                "X.txt",
                FsStatus::AlreadyExists,
                {{"X.txt", "X.txt"}, {"x.txt", "x.txt"}}});
}

}  // namespace
}  // namespace morvane::platform
