// The planning file system answers each step as the disk would after the plan's earlier
// steps, and changes nothing.
#include "core/fs/planning_file_system.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <functional>

#include "platform/posix_file_system.h"
#include "support/temp_folder.h"

namespace morvane::core {
namespace {

class PlanningFileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_folder.WriteFile("a.txt", "aaa");
    m_folder.WriteFile("b.txt", "b");
    m_folder.CreateFiles({"sub/"});
    ASSERT_EQ(link(P("b.txt").c_str(), P("b-link.txt").c_str()), 0);
  }
  std::string P(std::string_view name) const { return m_folder.Path(name); }
  std::vector<std::string> Names(const FileSystem& fileSystem) const {
    std::vector<std::string> names;
    for (const DirectoryEntry& entry : fileSystem.ListFolder(m_folder.Root(), "*"))
      names.push_back(entry.name);
    std::ranges::sort(names);
    return names;
  }

  test::TempFolder m_folder;
  platform::PosixFileSystem m_real;
  PlanningFileSystem m_plan{m_real, CodePage::Utf8()};
};

TEST_F(PlanningFileSystemTest, EachStepMeetsTheStepsBefore) {
  struct Step {
    const char* name;
    std::function<FsResult()> call;
    FsStatus expected;
  } const steps[] = {
      {"rename", [&] { return m_plan.Rename(P("a.txt"), P("c.txt")); }, FsStatus::Ok},
      {"the old name is gone", [&] { return m_plan.Rename(P("a.txt"), P("d.txt")); }, FsStatus::NotFound},
      {"the new name is taken", [&] { return m_plan.Rename(P("b.txt"), P("c.txt")); },
       FsStatus::AlreadyExists},
      {"onto a hard link of itself", [&] { return m_plan.Rename(P("b.txt"), P("b-link.txt")); },
       FsStatus::AlreadyExists},
      {"into the old name", [&] { return m_plan.Rename(P("b.txt"), P("a.txt")); }, FsStatus::Ok},
      {"into a missing folder", [&] { return m_plan.Rename(P("c.txt"), P("none/c.txt")); },
       FsStatus::NotFound},
      {"a name too long", [&] { return m_plan.Rename(P("c.txt"), P(std::string(256, 'n'))); },
       FsStatus::PathTooLong},
      {"copy onto a taken name", [&] { return m_plan.CopyFile(P("c.txt"), P("a.txt"), false); },
       FsStatus::AlreadyExists},
      {"copy onto itself", [&] { return m_plan.CopyFile(P("c.txt"), P("c.txt"), true); }, FsStatus::SameFile},
      {"copy into a new folder", [&] { return m_plan.CreateFolder(P("sub/new")); }, FsStatus::Ok},
      {"the copy", [&] { return m_plan.CopyFile(P("c.txt"), P("sub/new/c.txt"), false); }, FsStatus::Ok},
      {"copy over", [&] { return m_plan.CopyFile(P("c.txt"), P("a.txt"), true); }, FsStatus::Ok},
      {"delete", [&] { return m_plan.DeleteFile(P("b-link.txt")); }, FsStatus::Ok},
  };
  for (const Step& step : steps) EXPECT_EQ(step.call().status, step.expected) << step.name;

  EXPECT_EQ(Names(m_plan), (std::vector<std::string>{"a.txt", "c.txt", "sub"}));
  EXPECT_EQ(m_plan.Stat(P("a.txt"))->size, 3u) << "a copy over has its source's size";
  EXPECT_TRUE(m_plan.FileExists(P("sub/new/c.txt")));
  EXPECT_TRUE(m_plan.IsFolder(P("sub/new")));
  EXPECT_EQ(m_plan.Unreachable(P("b.txt")).status, FsStatus::NotFound);

  // Nothing happened on disk, and nothing is written through it.
  EXPECT_EQ(Names(m_real), (std::vector<std::string>{"a.txt", "b-link.txt", "b.txt", "sub"}));
  EXPECT_FALSE(m_plan.ReplaceFileAtomically(P("settings.ini"), "x").empty());
  OpenedFile log = m_plan.OpenForWriting(P("Result.dat"), WriteStart::Truncate);
  ASSERT_TRUE(log.file);
  EXPECT_EQ(log.file->Write("line\r\n"), 0);
  EXPECT_EQ(log.file->Close(), 0);
  EXPECT_FALSE(m_folder.Exists("Result.dat"));
  EXPECT_FALSE(m_folder.Exists("settings.ini"));
}

}  // namespace
}  // namespace morvane::core
