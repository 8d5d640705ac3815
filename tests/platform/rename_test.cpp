#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/listed_names.h"
#include "platform/posix_file_system.h"
#include "platform/rename_no_replace.h"
#include "support/temp_folder.h"

namespace morvane::platform {
namespace {

using core::FsStatus;
using Names = std::vector<std::string>;

class RenameTest : public ::testing::Test {
 protected:
  test::TempFolder m_folder;
  PosixFileSystem m_fs;
};

TEST_F(RenameTest, MovesTheEntry) {
  m_folder.WriteFile("a.txt", "A");
  EXPECT_EQ(m_fs.Rename(m_folder.Path("a.txt"), m_folder.Path("b.txt")).status, FsStatus::Ok);
  EXPECT_EQ(ListedNames(m_folder.Root()), Names{"b.txt"});
  EXPECT_EQ(m_folder.ReadFile("b.txt"), "A");
}

TEST_F(RenameTest, NeverReplacesAnotherEntry) {
  m_folder.WriteFile("a.txt", "A");
  m_folder.WriteFile("b.txt", "B");
  ASSERT_EQ(link(m_folder.Path("a.txt").c_str(), m_folder.Path("hard.txt").c_str()), 0);
  ASSERT_EQ(symlink("a.txt", m_folder.Path("soft.txt").c_str()), 0);
  ASSERT_EQ(symlink("missing", m_folder.Path("dangling").c_str()), 0);
  // rename(2) between two hard links would succeed and change nothing at all.
  for (const char* destination : {"b.txt", "hard.txt", "soft.txt", "dangling"}) {
    const core::FsResult result = m_fs.Rename(m_folder.Path("a.txt"), m_folder.Path(destination));
    EXPECT_EQ(result.status, FsStatus::AlreadyExists) << destination;
  }
  EXPECT_EQ(ListedNames(m_folder.Root()), (Names{"a.txt", "b.txt", "dangling", "hard.txt", "soft.txt"}));
  EXPECT_EQ(m_folder.ReadFile("a.txt"), "A");
  EXPECT_EQ(m_folder.ReadFile("b.txt"), "B");
}

TEST_F(RenameTest, SamePathSucceedsWithoutACall) {
  // Even a missing entry: nothing is asked of the system.
  EXPECT_EQ(m_fs.Rename(m_folder.Path("missing"), m_folder.Path("missing")).status, FsStatus::Ok);
}

TEST_F(RenameTest, MissingSourceOrFolderIsNotFound) {
  m_folder.WriteFile("a.txt", "A");
  EXPECT_EQ(m_fs.Rename(m_folder.Path("missing"), m_folder.Path("b.txt")).status, FsStatus::NotFound);
  EXPECT_EQ(m_fs.Rename(m_folder.Path("a.txt"), m_folder.Path("no/b.txt")).status, FsStatus::NotFound);
  EXPECT_EQ(m_folder.ReadFile("a.txt"), "A");
}

TEST_F(RenameTest, ChangeOfCaseOnly) {
  m_folder.WriteFile("a.txt", "A");
  EXPECT_EQ(m_fs.Rename(m_folder.Path("a.txt"), m_folder.Path("A.txt")).status, FsStatus::Ok);
  EXPECT_EQ(ListedNames(m_folder.Root()), Names{"A.txt"});
}

// A destination that is the source itself (here reached through a link to its folder,
// as a case-insensitive file system reaches it through another spelling) is renamed
// through a temporary name. A folder with subfolders has several links, yet no hard link.
TEST_F(RenameTest, DestinationThatIsTheSourceItselfIsNoConflict) {
  m_folder.WriteFile("top/a.txt", "A");
  m_folder.CreateFiles({"top/inner/x/", "top/inner/y/"});
  ASSERT_EQ(symlink("top", m_folder.Path("via").c_str()), 0);
  for (const char* name : {"a.txt", "inner"}) {
    const std::string from = m_folder.Path("top/" + std::string(name));
    EXPECT_EQ(m_fs.Rename(from, m_folder.Path("via/" + std::string(name))).status, FsStatus::Ok) << name;
  }
  EXPECT_EQ(ListedNames(m_folder.Path("top")), (Names{"a.txt", "inner"}));
  EXPECT_EQ(m_folder.ReadFile("top/a.txt"), "A");
  EXPECT_TRUE(m_folder.Exists("top/inner/y"));
}

TEST_F(RenameTest, FailedSecondStepPutsTheEntryBack) {
  m_folder.WriteFile("a.txt", "A");
  m_folder.WriteFile("b.txt", "B");
  EXPECT_EQ(RenameThroughTemporaryName(m_folder.Path("a.txt"), m_folder.Path("b.txt")).status,
            FsStatus::AlreadyExists);
  EXPECT_EQ(ListedNames(m_folder.Root()), (Names{"a.txt", "b.txt"}));
  EXPECT_EQ(m_folder.ReadFile("a.txt"), "A");
  EXPECT_EQ(m_folder.ReadFile("b.txt"), "B");
}

}  // namespace
}  // namespace morvane::platform
