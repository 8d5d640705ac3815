#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/posix_file_system.h"
#include "support/temp_folder.h"

namespace morvane::platform {
namespace {

class LongPathFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_folder.CreateFiles({"Dir/Sub/File.txt", "Dir/.hid/x.txt", ".hidden", "Dir/Sub/..name"});
    ASSERT_EQ(symlink("missing", m_folder.Path("Dir/dangling").c_str()), 0);
  }

  test::TempFolder m_folder;
  PosixFileSystem m_fs;
};

TEST_F(LongPathFormTest, ExistingComponentsAreKeptAndTheRestJoined) {
  const std::string root = m_folder.Root();
  struct Case {
    std::string path;
    std::string expected;
  } const cases[] = {
      {root + "/Dir/Sub/File.txt", root + "/Dir/Sub/File.txt"},
      {root + "/Dir/Sub", root + "/Dir/Sub"},
      {root + "/Dir/Sub/", root + "/Dir/Sub"},  // a folder typed with a trailing slash
      {root + "/Dir/Sub//", root + "/Dir/Sub"},
      {root + "/Dir/dangling", root + "/Dir/dangling"},
      {root + "/Dir/.hid/x.txt", root + "/Dir/.hid/x.txt"},  // the walk stops at the hidden folder
      {root + "/Dir/./Sub/File.txt", root + "/Dir/./Sub/File.txt"},
      {root + "/Dir/Sub/../Sub/File.txt", root + "/Dir/Sub/../Sub/File.txt"},
      {root + "/Dir/.hid", ""},
      {root + "/.hidden", ""},
      {root + "/Dir/Sub/..name", ""},
      {root + "/Dir/Sub/file.txt", ""},  // this file system tells letter cases apart
      {root + "/Dir/missing.txt", ""},
      {root + "/missing/File.txt", ""},
      {root + "/Dir/Sub/File.txt/", ""},
      {root + "/Dir/.", ""},
      {"/", ""},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(m_fs.ToLongPathForm(c.path), c.expected) << c.path;
}

// Another spelling that is the same file sends the lookup to the folder's listing, as on
// a case-insensitive file system; the name listed byte for byte still wins.
TEST_F(LongPathFormTest, ListedSpellingWinsOverAnotherNameOfTheSameFile) {
  ASSERT_EQ(link(m_folder.Path("Dir/Sub/File.txt").c_str(), m_folder.Path("Dir/Sub/FILE.TXT").c_str()), 0);
  for (const char* name : {"/Dir/Sub/File.txt", "/Dir/Sub/FILE.TXT"}) {
    EXPECT_EQ(m_fs.ToLongPathForm(m_folder.Root() + name), m_folder.Root() + name);
  }
}

TEST_F(LongPathFormTest, RelativePathStaysRelative) {
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(m_folder.Root());
  EXPECT_EQ(m_fs.ToLongPathForm("Dir/Sub/File.txt"), "Dir/Sub/File.txt");
  EXPECT_EQ(m_fs.ToLongPathForm("Dir"), "Dir");
  EXPECT_EQ(m_fs.ToLongPathForm("./Dir"), "./Dir");
  EXPECT_EQ(m_fs.ToLongPathForm("missing"), "");
  std::filesystem::current_path(previous);
}

}  // namespace
}  // namespace morvane::platform
