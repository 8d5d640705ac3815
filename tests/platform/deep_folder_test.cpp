// Folders deeper than PATH_MAX are reached folder by folder: every file-system call works
// there, and only a name longer than the file system allows makes a path too long.
#include "support/deep_folder.h"

#include <errno.h>
#include <gtest/gtest.h>
#include <limits.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/posix_file_system.h"
#include "support/temp_folder.h"

namespace morvane::platform {
namespace {

using core::FsStatus;
using Names = std::vector<std::string>;

class DeepFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_GT(m_deep.Path().size(), std::size_t{PATH_MAX});
    m_deep.WriteFile("a.txt", "abc");
    m_deep.WriteFile("taken.txt", "t");
  }

  test::TempFolder m_folder;
  test::DeepFolder m_deep{m_folder.Root(), 5000};
  PosixFileSystem m_fs;
};

TEST_F(DeepFolderTest, EveryCallWorksThere) {
  const std::optional<core::FileInfo> info = m_fs.Stat(m_deep.Path("a.txt"));
  ASSERT_TRUE(info);
  EXPECT_EQ(info->size, 3u);
  EXPECT_TRUE(m_fs.FileExists(m_deep.Path("a.txt")));
  EXPECT_TRUE(m_fs.IsFolder(m_deep.Path()));
  EXPECT_TRUE(m_fs.IsFolder(m_deep.Path() + "/"));
  EXPECT_TRUE(m_fs.Unreachable(m_deep.Path("a.txt")).Ok());
  EXPECT_EQ(m_fs.Unreachable(m_deep.Path("gone.txt")).status, FsStatus::NotFound);
  EXPECT_FALSE(m_fs.Stat(m_deep.Path("gone.txt")));
  EXPECT_EQ(m_fs.ListFolder(m_deep.Path(), "*.txt").size(), 2u);
  EXPECT_EQ(m_fs.ToLongPathForm(m_deep.Path("a.txt")), m_deep.Path("a.txt"));
  EXPECT_TRUE(m_fs.FreeBytes(m_deep.Path()).has_value());

  // The writing calls, in order, each with what it must report.
  struct Step {
    const char* name;
    std::function<core::FsResult()> call;
    FsStatus expected;
  } const steps[] = {
      {"rename", [&] { return m_fs.Rename(m_deep.Path("a.txt"), m_deep.Path("b.txt")); }, FsStatus::Ok},
      {"rename onto a file", [&] { return m_fs.Rename(m_deep.Path("b.txt"), m_deep.Path("taken.txt")); },
       FsStatus::AlreadyExists},
      {"case-only rename", [&] { return m_fs.Rename(m_deep.Path("b.txt"), m_deep.Path("B.txt")); },
       FsStatus::Ok},
      {"copy", [&] { return m_fs.CopyFile(m_deep.Path("B.txt"), m_deep.Path("copy.txt"), false); },
       FsStatus::Ok},
      {"copy onto a file",
       [&] { return m_fs.CopyFile(m_deep.Path("B.txt"), m_deep.Path("taken.txt"), false); },
       FsStatus::AlreadyExists},
      {"copy over a file",
       [&] { return m_fs.CopyFile(m_deep.Path("B.txt"), m_deep.Path("taken.txt"), true); }, FsStatus::Ok},
      {"copy out of it", [&] { return m_fs.CopyFile(m_deep.Path("B.txt"), m_folder.Path("up.txt"), false); },
       FsStatus::Ok},
      {"rename into it", [&] { return m_fs.Rename(m_folder.Path("up.txt"), m_deep.Path("down.txt")); },
       FsStatus::Ok},
      {"new folder", [&] { return m_fs.CreateFolder(m_deep.Path("sub")); }, FsStatus::Ok},
      {"delete", [&] { return m_fs.DeleteFile(m_deep.Path("copy.txt")); }, FsStatus::Ok},
  };
  for (const Step& step : steps) EXPECT_EQ(step.call().status, step.expected) << step.name;

  // No temporary entry is left behind.
  EXPECT_EQ(m_deep.SortedNames(), (Names{"B.txt", "down.txt", "sub", "taken.txt"}));
  EXPECT_EQ(m_deep.ReadFile("B.txt"), "abc");
  EXPECT_EQ(m_deep.ReadFile("taken.txt"), "abc");
  EXPECT_EQ(m_deep.ReadFile("down.txt"), "abc");
  EXPECT_FALSE(m_folder.Exists("up.txt"));
}

// A name longer than the file system allows cannot name anything, at any depth; it is
// told apart from a missing file.
TEST_F(DeepFolderTest, ANameTooLongIsToldApartFromAMissingFile) {
  const std::string longName(NAME_MAX + 1, 'n');
  for (const std::string& folder : {m_folder.Root(), m_deep.Path()}) {
    SCOPED_TRACE(folder.size());
    const std::string tooLong = folder + "/" + longName;
    EXPECT_EQ(m_fs.Unreachable(tooLong).status, FsStatus::PathTooLong);
    EXPECT_FALSE(m_fs.Stat(tooLong));
    EXPECT_EQ(m_fs.Unreachable(tooLong + "/a.txt").status, FsStatus::PathTooLong);
  }
  EXPECT_EQ(m_fs.Rename(m_deep.Path("a.txt"), m_deep.Path(longName)).status, FsStatus::PathTooLong);
  EXPECT_EQ(m_fs.CopyFile(m_deep.Path("a.txt"), m_deep.Path(longName), false).status, FsStatus::PathTooLong);
  EXPECT_EQ(m_fs.Unreachable(std::string("a\0b", 3)).systemError, EINVAL);
  EXPECT_EQ(m_deep.SortedNames(), (Names{"a.txt", "taken.txt"}));
}

}  // namespace
}  // namespace morvane::platform
