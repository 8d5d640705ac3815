// The planning file system asks the disk about a path once per plan: a folder listing
// answers for the entries it shows, and an answer is kept for the rest of the plan. A
// name the listing did not show is still asked for unless the folder was listed whole
// and its names are exact, and the plan's own steps always win over what the disk said.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "core/fs/forwarding_file_system.h"
#include "core/fs/planning_file_system.h"
#include "platform/posix_file_system.h"
#include "support/temp_folder.h"

namespace morvane::core {
namespace {

// Counts the questions about single paths; with caseBlind set, a name the disk lacks is
// also looked for in lower case, as a file system that ignores letter case finds it.
class AskedDisk : public ForwardingFileSystem {
 public:
  using ForwardingFileSystem::ForwardingFileSystem;

  std::optional<FileInfo> Stat(std::string_view path) const override {
    ++asked[std::string(path)];
    std::optional<FileInfo> info = ForwardingFileSystem::Stat(path);
    if (info || !caseBlind) return info;
    std::string lower(path);
    const auto name = lower.begin() + static_cast<std::ptrdiff_t>(lower.rfind('/') + 1);
    std::transform(name, lower.end(), name,
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ForwardingFileSystem::Stat(lower);
  }

  // Whether the disk says its names are exact (no other spelling of a name).
  bool NamesAreExact(std::string_view) const override { return exact; }

  bool caseBlind = false;
  bool exact = false;
  mutable std::map<std::string, int> asked;
};

class PlanningMemoryTest : public ::testing::Test {
 protected:
  void SetUp() override { m_folder.CreateFiles({"a.txt", "b.txt", "sub/"}); }
  std::string P(std::string_view name) const { return m_folder.Path(name); }
  // The names of the folder as a whole listing gives them, or as a visit hands them on.
  std::vector<std::string> Names(const FileSystem& fileSystem, bool visit = false) const {
    std::vector<std::string> names;
    if (visit) {
      fileSystem.VisitFolder(m_folder.Root(), "*",
                             [&](const DirectoryEntry& entry) { names.push_back(entry.name); });
      return names;
    }
    for (const DirectoryEntry& entry : fileSystem.ListFolder(m_folder.Root(), "*"))
      names.push_back(entry.name);
    return names;
  }

  test::TempFolder m_folder;
  platform::PosixFileSystem m_real;
  AskedDisk m_disk{m_real};
};

TEST_F(PlanningMemoryTest, AsksTheDiskOncePerPath) {
  PlanningFileSystem plan(m_disk, CodePage::Utf8());
  // A run's collection visits the folder rather than list it.
  ASSERT_EQ(Names(plan, true).size(), 3u);
  struct Question {
    const char* path;
    bool exists;
    int asked;  // of the disk, after the plan asked twice
  } const questions[] = {
      {"a.txt", true, 0},   // the listing showed it
      {"sub", true, 0},     //
      {"c.txt", false, 1},  // an answer of "none" is kept too
      {"sub/x", false, 1},
  };
  for (const Question& question : questions) {
    for (int round = 0; round < 2; ++round) {
      EXPECT_EQ(plan.Stat(P(question.path)).has_value(), question.exists) << question.path;
      EXPECT_EQ(plan.FileExists(P(question.path)) || plan.IsFolder(P(question.path)), question.exists)
          << question.path;
    }
    EXPECT_EQ(m_disk.asked[P(question.path)], question.asked) << question.path;
  }
  // The folder is asked for once, whatever number of files are renamed in it.
  EXPECT_TRUE(plan.Rename(P("a.txt"), P("c.txt")).Ok());
  EXPECT_TRUE(plan.Rename(P("b.txt"), P("d.txt")).Ok());
  EXPECT_EQ(m_disk.asked[m_folder.Root()], 1);
  EXPECT_EQ(m_disk.asked[P("d.txt")], 1);
}

TEST_F(PlanningMemoryTest, ANameTheListingDidNotShowIsStillAskedFor) {
  // Another spelling of a listed name names the same file on a case-blind disk.
  m_disk.caseBlind = true;
  PlanningFileSystem plan(m_disk, CodePage::Utf8());
  ASSERT_EQ(plan.ListFolder(m_folder.Root(), "*").size(), 3u);
  EXPECT_TRUE(plan.FileExists(P("A.TXT")));
  EXPECT_EQ(plan.Rename(P("b.txt"), P("A.TXT")).status, FsStatus::AlreadyExists);
  // The file itself under another spelling is renamed onto.
  EXPECT_TRUE(plan.Rename(P("a.txt"), P("A.TXT")).Ok());
  EXPECT_FALSE(plan.FileExists(P("a.txt")));
}

TEST_F(PlanningMemoryTest, AListingNeverUndoesTheStepsBefore) {
  PlanningFileSystem plan(m_disk, CodePage::Utf8());
  // Steps taken before the folder was first listed, and between two listings.
  ASSERT_TRUE(plan.Rename(P("a.txt"), P("c.txt")).Ok());
  const std::vector<std::string> first = Names(plan);
  ASSERT_EQ(first.size(), 3u);
  EXPECT_EQ(first.back(), "c.txt") << "what the plan made comes after what the disk lists";
  EXPECT_TRUE(std::ranges::find(first, "a.txt") == first.end());
  ASSERT_TRUE(plan.DeleteFile(P("b.txt")).Ok());
  ASSERT_TRUE(plan.Rename(P("c.txt"), P("a.txt")).Ok());
  ASSERT_TRUE(plan.CopyFile(P("a.txt"), P("0.txt"), false).Ok());
  for (const bool visit : {false, true}) {
    std::vector<std::string> names = Names(plan, visit);
    std::ranges::sort(names);
    EXPECT_EQ(names, (std::vector<std::string>{"0.txt", "a.txt", "sub"}));
    EXPECT_FALSE(plan.Stat(P("b.txt")));
    EXPECT_FALSE(plan.Stat(P("c.txt")));
    EXPECT_EQ(plan.Unreachable(P("b.txt")).status, FsStatus::NotFound);
    EXPECT_TRUE(plan.FileExists(P("a.txt")));
  }
  // Nothing happened on disk.
  EXPECT_TRUE(m_folder.Exists("b.txt"));
  EXPECT_FALSE(m_folder.Exists("0.txt"));
}

TEST_F(PlanningMemoryTest, AWholeListingOfAnExactFolderAnswersForTheNamesItLacks) {
  m_disk.exact = true;
  {
    PlanningFileSystem plan(m_disk, CodePage::Utf8());
    ASSERT_EQ(plan.ListFolder(m_folder.Root(), "*.*").size(), 3u);
    EXPECT_FALSE(plan.Stat(P("free.txt")));
    EXPECT_TRUE(plan.Rename(P("a.txt"), P("new.txt")).Ok());
    EXPECT_TRUE(plan.Stat(P("new.txt")));
    EXPECT_FALSE(plan.Stat(P("a.txt")));
    EXPECT_EQ(m_disk.asked.count(P("free.txt")), 0u);
    EXPECT_EQ(m_disk.asked.count(P("new.txt")), 0u);
    // Not names of the folder: still asked.
    EXPECT_TRUE(plan.Stat(P(".")));
    EXPECT_TRUE(plan.Stat(m_folder.Root() + "/sub/.."));
    EXPECT_EQ(m_disk.asked.count(P(".")), 1u);
    // Another spelling of the folder is another folder to this plan, and is asked.
    EXPECT_FALSE(plan.Stat(m_folder.Root() + "//free.txt"));
    EXPECT_EQ(m_disk.asked.count(m_folder.Root() + "//free.txt"), 1u);
  }
  struct Listing {
    const char* name;
    bool exact;
    const char* pattern;
  };
  // The disk is still asked when the listing was not whole or the names are not exact.
  for (const Listing& listing : {Listing{"a pattern", true, "*.txt"}, Listing{"folded names", false, "*"}}) {
    SCOPED_TRACE(listing.name);
    m_disk.exact = listing.exact;
    m_disk.asked.clear();
    PlanningFileSystem plan(m_disk, CodePage::Utf8());
    plan.ListFolder(m_folder.Root(), listing.pattern);
    EXPECT_FALSE(plan.Stat(P("free.txt")));
    EXPECT_EQ(m_disk.asked.count(P("free.txt")), 1u);
  }
}

}  // namespace
}  // namespace morvane::core
