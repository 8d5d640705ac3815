#include "platform/posix_file_system.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

#include "platform/listed_names.h"
#include "support/temp_folder.h"

namespace morvane::platform {
namespace {

using Names = std::vector<std::string>;

class PosixFileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_folder.WriteFile("file.txt", "abc");
    m_folder.CreateFiles({"dir/sub/", ".hidden", "ro.txt"});
    ASSERT_EQ(symlink("dir", m_folder.Path("link-to-dir").c_str()), 0);
    ASSERT_EQ(symlink("missing", m_folder.Path("dangling").c_str()), 0);
    ASSERT_EQ(chmod(m_folder.Path("ro.txt").c_str(), 0444), 0);
  }

  Names Listed(std::string_view pattern) const { return ListedNames(m_folder.Root(), pattern); }

  test::TempFolder m_folder;
  PosixFileSystem m_fs;
};

TEST_F(PosixFileSystemTest, StatFollowsLinksAndReportsAttributes) {
  struct Case {
    std::string name;
    bool isFolder;
    std::uint64_t size;
    bool readOnly;
    bool hidden;
  } const cases[] = {
      {"file.txt", false, 3, false, false}, {"dir", true, 0, false, false},
      {"dir/", true, 0, false, false},      {"link-to-dir", true, 0, false, false},
      {"dangling", false, 0, false, false}, {"ro.txt", false, 0, true, false},
      {".hidden", false, 0, false, true},
  };
  for (const Case& c : cases) {
    const std::optional<core::FileInfo> info = m_fs.Stat(m_folder.Path(c.name));
    ASSERT_TRUE(info) << c.name;
    EXPECT_EQ(info->isFolder, c.isFolder) << c.name;
    EXPECT_EQ(info->size, c.size) << c.name;
    EXPECT_EQ(info->attributes.readOnly, c.readOnly) << c.name;
    EXPECT_EQ(info->attributes.hidden, c.hidden) << c.name;
    EXPECT_EQ(m_fs.IsFolder(m_folder.Path(c.name)), c.isFolder) << c.name;
    EXPECT_EQ(m_fs.FileExists(m_folder.Path(c.name)), !c.isFolder) << c.name;
  }
  EXPECT_FALSE(m_fs.Stat(m_folder.Path("missing")));
  EXPECT_FALSE(m_fs.FileExists(m_folder.Path("missing")) || m_fs.IsFolder(m_folder.Path("missing")));
  EXPECT_FALSE(m_fs.Stat(m_folder.Path(std::string("file.txt\0x", 10))));
}

TEST_F(PosixFileSystemTest, IdentityTellsWhenTwoPathsNameOneFile) {
  ASSERT_EQ(link(m_folder.Path("file.txt").c_str(), m_folder.Path("hard.txt").c_str()), 0);
  const auto file = m_fs.Stat(m_folder.Path("file.txt"));
  const auto hardLink = m_fs.Stat(m_folder.Path("hard.txt"));
  const auto dir = m_fs.Stat(m_folder.Path("dir"));
  const auto linkToDir = m_fs.Stat(m_folder.Path("link-to-dir"));
  ASSERT_TRUE(file && hardLink && dir && linkToDir);
  EXPECT_TRUE(file->IsSameFileAs(*hardLink));
  EXPECT_EQ(file->linkCount, 2u);
  EXPECT_TRUE(dir->IsSameFileAs(*linkToDir));
  EXPECT_FALSE(file->IsSameFileAs(*dir));
}

TEST_F(PosixFileSystemTest, StatKeepsNanosecondsAndSizesBeyond32Bits) {
  const std::string path = m_folder.Path("big.bin");
  const int fd = open(path.c_str(), O_CREAT | O_WRONLY, 0644);
  ASSERT_GE(fd, 0);
  constexpr std::uint64_t kSize = std::uint64_t{3} << 30;  // sparse: takes no disk space
  ASSERT_EQ(ftruncate(fd, static_cast<off_t>(kSize)), 0);
  const timespec times[2] = {{0, UTIME_OMIT}, {1'600'000'000, 123'456'789}};
  ASSERT_EQ(futimens(fd, times), 0);
  close(fd);

  const std::optional<core::FileInfo> info = m_fs.Stat(path);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->size, kSize);
  const auto expected = std::chrono::seconds(1'600'000'000) + std::chrono::nanoseconds(123'456'789);
  EXPECT_EQ(info->modified.time_since_epoch(), expected);
}

TEST_F(PosixFileSystemTest, ListFolderMatchesPatternsWithoutCaseAndIncludesHiddenEntries) {
  const std::string latin1 = "caf\xE9.txt";  // not UTF-8: listed with its own bytes
  m_folder.CreateFiles({"B.TXT", "c.tXt", "d.tat", "README", latin1});
  const Names all = {".hidden",  "B.TXT", "README",   "c.tXt",       "caf\xE9.txt", "d.tat",
                     "dangling", "dir",   "file.txt", "link-to-dir", "ro.txt"};
  EXPECT_EQ(Listed("*.*"), all);
  EXPECT_EQ(Listed("*"), all);
  EXPECT_EQ(Listed("*.txt"), (Names{"B.TXT", "c.tXt", latin1, "file.txt", "ro.txt"}));
  EXPECT_EQ(Listed("*.t?t"), (Names{"B.TXT", "c.tXt", latin1, "d.tat", "file.txt", "ro.txt"}));
  EXPECT_EQ(Listed("caf?.txt"), Names{latin1});
  EXPECT_EQ(Listed("*.none"), Names{});
  for (const core::DirectoryEntry& entry : m_fs.ListFolder(m_folder.Root(), "*.*")) {
    EXPECT_EQ(entry.info.isFolder, entry.name == "dir" || entry.name == "link-to-dir") << entry.name;
    EXPECT_EQ(entry.info.size, entry.name == "file.txt" ? 3u : 0u) << entry.name;
  }
}

TEST_F(PosixFileSystemTest, NamesAreExactOnlyOfAFolderThatIsThere) {
  const PosixFileSystem fileSystem;
  EXPECT_FALSE(fileSystem.NamesAreExact(m_folder.Path("missing")));
  EXPECT_FALSE(fileSystem.NamesAreExact(m_folder.Path("file.txt")));
}

TEST_F(PosixFileSystemTest, FolderThatCannotBeReadListsNothing) {
  EXPECT_TRUE(m_fs.ListFolder(m_folder.Path("missing"), "*.*").empty());
  EXPECT_TRUE(m_fs.ListFolder(m_folder.Path("file.txt"), "*.*").empty());
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not stop root";
  ASSERT_EQ(chmod(m_folder.Path("dir").c_str(), 0), 0);
  EXPECT_TRUE(m_fs.ListFolder(m_folder.Path("dir"), "*.*").empty());
}

TEST_F(PosixFileSystemTest, CreateFolderAndDeleteFile) {
  using core::FsStatus;
  EXPECT_EQ(m_fs.CreateFolder(m_folder.Path("new")).status, FsStatus::Ok);
  EXPECT_TRUE(m_fs.IsFolder(m_folder.Path("new")));
  EXPECT_EQ(m_fs.CreateFolder(m_folder.Path("file.txt")).status, FsStatus::AlreadyExists);
  EXPECT_EQ(m_fs.CreateFolder(m_folder.Path("missing/new")).status, FsStatus::NotFound);

  EXPECT_EQ(m_fs.DeleteFile(m_folder.Path("file.txt")).status, FsStatus::Ok);
  EXPECT_FALSE(m_folder.Exists("file.txt"));
  EXPECT_EQ(m_fs.DeleteFile(m_folder.Path("file.txt")).status, FsStatus::NotFound);
  EXPECT_EQ(m_fs.DeleteFile(m_folder.Path("dir")).status, FsStatus::Failed);
  EXPECT_TRUE(m_fs.IsFolder(m_folder.Path("dir")));
}

TEST_F(PosixFileSystemTest, FreeBytesOfAnExistingPath) {
  const std::optional<std::uint64_t> free = m_fs.FreeBytes(m_folder.Root());
  ASSERT_TRUE(free);
  EXPECT_GT(*free, 0u);
  EXPECT_FALSE(m_fs.FreeBytes(m_folder.Path("missing")));
}

}  // namespace
}  // namespace morvane::platform
