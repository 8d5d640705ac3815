#include "core/targets/folder_walk.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>

#include "platform/posix_file_system.h"
#include "support/temp_folder.h"

namespace morvane::test {
namespace {

class FolderWalkTest : public ::testing::Test {
 protected:
  std::vector<std::string> Walk(const std::string& relative) {
    std::vector<std::string> found;
    core::WalkSubfolders(
        m_fileSystem, m_folder.Path(relative), [&](const std::string& folder) { found.push_back(folder); },
        core::CodePage::Utf8());
    return found;
  }
  std::size_t IndexOf(const std::vector<std::string>& found, std::string_view relative) const {
    const auto it = std::find(found.begin(), found.end(), m_folder.Path(relative));
    EXPECT_NE(it, found.end()) << relative;
    return static_cast<std::size_t>(it - found.begin());
  }
  void Link(const char* target, const char* relative) {
    ASSERT_EQ(::symlink(target, m_folder.Path(relative).c_str()), 0);
  }

  TempFolder m_folder;
  platform::PosixFileSystem m_fileSystem;
};

TEST_F(FolderWalkTest, EveryFolderComesBeforeItsSubfoldersAndFilesAreLeftOut) {
  m_folder.CreateFiles({"data/a/x/deep/", "data/b/", "data/.hidden/", "data/file.txt", "data/a/f.txt"});
  const std::vector<std::string> found = Walk("data");
  ASSERT_EQ(found.size(), 5u);
  EXPECT_LT(IndexOf(found, "data/a"), IndexOf(found, "data/a/x"));
  EXPECT_EQ(IndexOf(found, "data/a/x") + 1, IndexOf(found, "data/a/x/deep"));
  IndexOf(found, "data/b");
  IndexOf(found, "data/.hidden");
  // Depth first: a's subtree is not interrupted by a sibling.
  const std::size_t a = IndexOf(found, "data/a");
  EXPECT_EQ(IndexOf(found, "data/a/x/deep"), a + 2);
}

TEST_F(FolderWalkTest, OneTrailingSeparatorIsDropped) {
  m_folder.CreateFiles({"data/a/"});
  EXPECT_EQ(Walk("data/"), std::vector<std::string>{m_folder.Path("data/a")});
}

TEST_F(FolderWalkTest, LinksBackIntoTheWalkNeitherLoopNorRepeat) {
  m_folder.CreateFiles({"data/a/", "outside/o/"});
  Link("..", "data/a/up");                    // back to data, where the walk began
  Link("../../outside", "data/a/elsewhere");  // a folder not walked yet is entered once
  Link("../outside", "data/again");
  const std::vector<std::string> found = Walk("data");
  const bool enteredThroughA = std::count(found.begin(), found.end(), m_folder.Path("data/a/elsewhere")) == 1;
  const bool enteredDirectly = std::count(found.begin(), found.end(), m_folder.Path("data/again")) == 1;
  EXPECT_NE(enteredThroughA, enteredDirectly) << "the outside folder is walked exactly once";
  EXPECT_EQ(std::count(found.begin(), found.end(), m_folder.Path("data/a/up")), 0);
  EXPECT_EQ(found.size(), 3u);  // a, one way into outside, and o inside it
}

TEST_F(FolderWalkTest, MissingOrUnreadableFoldersAddNothing) {
  EXPECT_TRUE(Walk("nowhere").empty());
  m_folder.CreateFiles({"plain.txt"});
  EXPECT_TRUE(Walk("plain.txt").empty());
}

}  // namespace
}  // namespace morvane::test
