// Whole files and files written over a run, through this computer's file system: what a
// read finds, what an atomic replacement leaves behind, and what an open file reports.
#include <errno.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/posix_file_system.h"
#include "support/deep_folder.h"
#include "support/temp_folder.h"

namespace morvane::platform {
namespace {

namespace fs = std::filesystem;
using core::FileReadStatus;
using core::WriteStart;

class WholeFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_folder.WriteFile("file.txt", std::string_view("a\r\nb\0c", 6));
    m_folder.CreateFiles({"dir/"});
    ASSERT_EQ(symlink("file.txt", m_folder.Path("link").c_str()), 0);
    ASSERT_EQ(symlink("missing", m_folder.Path("dangling").c_str()), 0);
    ASSERT_EQ(mkfifo(m_folder.Path("fifo").c_str(), 0600), 0);
  }

  std::size_t FileCount(const std::string& folder) const {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) ++count;
    return count;
  }

  test::TempFolder m_folder;
  PosixFileSystem m_fs;
};

TEST_F(WholeFileTest, ReadTellsMissingFromUnreadable) {
  struct Case {
    std::string path;
    FileReadStatus status;
  } const cases[] = {
      {m_folder.Path("file.txt"), FileReadStatus::Read},
      {m_folder.Path("link"), FileReadStatus::Read},
      {m_folder.Path("missing"), FileReadStatus::Missing},
      {m_folder.Path("no/such"), FileReadStatus::Missing},
      // A file "inside" a file is as missing as one inside a missing folder.
      {m_folder.Path("file.txt/x"), FileReadStatus::Missing},
      {m_folder.Path("dangling"), FileReadStatus::Missing},
      {"", FileReadStatus::Missing},
      {m_folder.Path("dir"), FileReadStatus::Unreadable},
      // Would block a reader that opened it.
      {m_folder.Path("fifo"), FileReadStatus::Unreadable},
      {m_folder.Path(std::string(300, 'n')), FileReadStatus::Unreadable},
  };
  for (const Case& c : cases) {
    const core::FileReadResult read = m_fs.ReadWholeFile(c.path);
    EXPECT_EQ(read.status, c.status) << c.path;
    EXPECT_EQ(read.bytes, c.status == FileReadStatus::Read ? m_folder.ReadFile("file.txt") : "") << c.path;
  }
}

// Files in /proc report a size of 0 but have content.
TEST_F(WholeFileTest, ReadGoesToTheEndWhateverTheReportedSize) {
  const core::FileReadResult read = m_fs.ReadWholeFile("/proc/self/status");
  ASSERT_EQ(read.status, FileReadStatus::Read);
  EXPECT_NE(read.bytes.find("Pid:"), std::string::npos);
}

TEST_F(WholeFileTest, ReplaceFollowsEveryLinkToItsEnd) {
  ASSERT_EQ(symlink("link", m_folder.Path("link-to-link").c_str()), 0);
  ASSERT_EQ(symlink(m_folder.Path("dir/new.txt").c_str(), m_folder.Path("absolute-dangling").c_str()), 0);
  struct Case {
    const char* written;
    const char* target;
  } const cases[] = {
      {"link-to-link", "file.txt"},
      // A link that leads nowhere yet gets its target made, and keeps leading to it.
      {"dangling", "missing"},
      {"absolute-dangling", "dir/new.txt"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(m_fs.ReplaceFileAtomically(m_folder.Path(c.written), c.written), "") << c.written;
    EXPECT_TRUE(fs::is_symlink(m_folder.Path(c.written))) << c.written;
    EXPECT_EQ(m_folder.ReadFile(c.target), c.written) << c.written;
  }
  EXPECT_EQ(FileCount(m_folder.Root()), 8u);  // no temporary file left behind
  EXPECT_EQ(FileCount(m_folder.Path("dir")), 1u);
}

TEST_F(WholeFileTest, ReplaceFailuresSayWhatFailedAndLeaveNothing) {
  ASSERT_EQ(symlink("loop", m_folder.Path("loop").c_str()), 0);
  const std::string createPrefix = "cannot create the temporary file " + m_folder.Path("no/.M.INI.tmp-");
  struct Case {
    std::string path;
    std::string failureStart;
  } const cases[] = {
      {m_folder.Path("no/M.INI"), createPrefix},
      {m_folder.Path("loop"), "cannot resolve the link: " + std::generic_category().message(ELOOP)},
      {m_folder.Path("dir"), "cannot rename the temporary file: " + std::generic_category().message(EISDIR)},
  };
  for (const Case& c : cases) {
    const std::string failure = m_fs.ReplaceFileAtomically(c.path, "x");
    EXPECT_EQ(failure.substr(0, c.failureStart.size()), c.failureStart) << c.path;
  }
  EXPECT_EQ(FileCount(m_folder.Root()), 6u);
  EXPECT_TRUE(fs::is_empty(m_folder.Path("dir")));
}

TEST_F(WholeFileTest, OpenFilesTruncateOrAppendAndReportErrno) {
  for (const WriteStart start : {WriteStart::Append, WriteStart::Truncate}) {
    core::OpenedFile opened = m_fs.OpenForWriting(m_folder.Path("file.txt"), start);
    ASSERT_TRUE(opened.file);
    EXPECT_EQ(opened.file->Write("one\r\n"), 0);
    EXPECT_EQ(opened.file->Write("two\r\n"), 0);
    EXPECT_EQ(opened.file->Flush(), 0);
    // Written through: the bytes are there before the file is closed.
    EXPECT_EQ(m_folder.ReadFile("file.txt").substr(start == WriteStart::Append ? 6 : 0), "one\r\ntwo\r\n");
    EXPECT_EQ(opened.file->Close(), 0);
  }
  const core::OpenedFile created = m_fs.OpenForWriting(m_folder.Path("new.log"), WriteStart::Append);
  EXPECT_TRUE(created.file && m_folder.Exists("new.log"));

  const core::OpenedFile missing = m_fs.OpenForWriting(m_folder.Path("no/Result.dat"), WriteStart::Truncate);
  EXPECT_FALSE(missing.file);
  EXPECT_EQ(missing.error, ENOENT);
  const core::OpenedFile folder = m_fs.OpenForWriting(m_folder.Path("dir"), WriteStart::Append);
  EXPECT_EQ(folder.error, EISDIR);

  const core::OpenedFile full = m_fs.OpenForWriting("/dev/full", WriteStart::Append);
  ASSERT_TRUE(full.file);
  EXPECT_EQ(full.file->Write("x"), ENOSPC);
}

TEST(WholeFileDeep, EveryCallReachesAFolderBeyondPathMax) {
  test::TempFolder folder;
  const test::DeepFolder deep(folder.Root(), 5000);
  PosixFileSystem fileSystem;
  EXPECT_EQ(fileSystem.ReplaceFileAtomically(deep.Path("M.INI"), "[A]\r\n"), "");
  EXPECT_EQ(deep.ReadFile("M.INI"), "[A]\r\n");
  EXPECT_EQ(fileSystem.ReadWholeFile(deep.Path("M.INI")).bytes, "[A]\r\n");
  core::OpenedFile opened = fileSystem.OpenForWriting(deep.Path("M.INI"), WriteStart::Append);
  ASSERT_TRUE(opened.file);
  EXPECT_EQ(opened.file->Write("x=1\r\n"), 0);
  EXPECT_EQ(opened.file->Close(), 0);
  EXPECT_EQ(deep.ReadFile("M.INI"), "[A]\r\nx=1\r\n");
  EXPECT_EQ(deep.SortedNames(), std::vector<std::string>{"M.INI"});
}

}  // namespace
}  // namespace morvane::platform
