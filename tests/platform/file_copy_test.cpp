#include "platform/file_copy.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/listed_names.h"
#include "platform/posix_file_system.h"
#include "support/temp_folder.h"

namespace morvane::platform {
namespace {

using core::FsStatus;
using Names = std::vector<std::string>;

class FileCopyTest : public ::testing::Test {
 protected:
  Names NamesIn(std::string_view relative) const { return ListedNames(m_folder.Path(relative)); }

  test::TempFolder m_folder;
  PosixFileSystem m_fs;
};

TEST_F(FileCopyTest, KeepsContentModeAndModificationTime) {
  const std::string content(300'000, 'x');  // more than one read buffer
  m_folder.WriteFile("src.bin", content + "end");
  const std::string source = m_folder.Path("src.bin");
  ASSERT_EQ(chmod(source.c_str(), 0640), 0);
  const timespec times[2] = {{0, UTIME_OMIT}, {1'500'000'000, 987'654'321}};
  ASSERT_EQ(utimensat(AT_FDCWD, source.c_str(), times, 0), 0);

  EXPECT_EQ(m_fs.CopyFile(source, m_folder.Path("out/copy.bin"), false).status, FsStatus::NotFound);
  m_folder.CreateFiles({"out/"});
  ASSERT_EQ(m_fs.CopyFile(source, m_folder.Path("out/copy.bin"), false).status, FsStatus::Ok);
  EXPECT_EQ(m_folder.ReadFile("out/copy.bin"), content + "end");
  struct stat copy {};
  ASSERT_EQ(stat(m_folder.Path("out/copy.bin").c_str(), &copy), 0);
  EXPECT_EQ(copy.st_mode & 07777, 0640u);
  EXPECT_EQ(copy.st_mtim.tv_sec, 1'500'000'000);
  EXPECT_EQ(copy.st_mtim.tv_nsec, 987'654'321);
  EXPECT_EQ(NamesIn("out"), Names{"copy.bin"});
  EXPECT_EQ(NamesIn(""), (Names{"out", "src.bin"}));
}

TEST_F(FileCopyTest, ExistingDestinationIsReplacedOnlyWhenAsked) {
  m_folder.WriteFile("src.txt", "new");
  m_folder.WriteFile("dst.txt", "old");
  ASSERT_EQ(symlink("missing", m_folder.Path("dangling").c_str()), 0);
  EXPECT_EQ(m_fs.CopyFile(m_folder.Path("src.txt"), m_folder.Path("dst.txt"), false).status,
            FsStatus::AlreadyExists);
  EXPECT_EQ(m_fs.CopyFile(m_folder.Path("src.txt"), m_folder.Path("dangling"), false).status,
            FsStatus::AlreadyExists);
  EXPECT_EQ(m_folder.ReadFile("dst.txt"), "old");
  EXPECT_EQ(m_fs.CopyFile(m_folder.Path("src.txt"), m_folder.Path("dst.txt"), true).status, FsStatus::Ok);
  EXPECT_EQ(m_folder.ReadFile("dst.txt"), "new");
  // Replacing a link that leads nowhere replaces the link, not a file it names.
  EXPECT_EQ(m_fs.CopyFile(m_folder.Path("src.txt"), m_folder.Path("dangling"), true).status, FsStatus::Ok);
  EXPECT_EQ(m_folder.ReadFile("dangling"), "new");
  EXPECT_FALSE(m_folder.Exists("missing"));
  EXPECT_EQ(NamesIn(""), (Names{"dangling", "dst.txt", "src.txt"}));
}

TEST_F(FileCopyTest, CopyOntoItselfIsSameFileAndKeepsTheContent) {
  m_folder.WriteFile("a.txt", "A");
  ASSERT_EQ(symlink("a.txt", m_folder.Path("link.txt").c_str()), 0);
  for (const bool replace : {false, true}) {
    for (const char* destination : {"a.txt", "link.txt"}) {
      EXPECT_EQ(m_fs.CopyFile(m_folder.Path("a.txt"), m_folder.Path(destination), replace).status,
                FsStatus::SameFile)
          << destination << " " << replace;
    }
  }
  EXPECT_EQ(m_folder.ReadFile("a.txt"), "A");
  EXPECT_EQ(NamesIn(""), (Names{"a.txt", "link.txt"}));
}

TEST_F(FileCopyTest, SourceAndDestinationKinds) {
  m_folder.WriteFile("a.txt", "A");
  m_folder.CreateFiles({"dir/inside"});
  ASSERT_EQ(mkfifo(m_folder.Path("pipe").c_str(), 0644), 0);
  struct Case {
    std::string from;
    std::string to;
    bool replace;
    FsStatus status;
    int error;
  } const cases[] = {
      {"missing", "b.txt", true, FsStatus::NotFound, ENOENT},
      {"dir", "b.txt", true, FsStatus::Failed, EISDIR},
      {"pipe", "b.txt", true, FsStatus::Failed, EINVAL},  // would wait for a writer
      {"a.txt", "dir", true, FsStatus::Failed, EISDIR},
      {"a.txt", "dir", false, FsStatus::AlreadyExists, EEXIST},
  };
  for (const Case& c : cases) {
    const core::FsResult result = m_fs.CopyFile(m_folder.Path(c.from), m_folder.Path(c.to), c.replace);
    EXPECT_EQ(result.status, c.status) << c.from << " -> " << c.to;
    EXPECT_EQ(result.systemError, c.error) << c.from << " -> " << c.to;
  }
  EXPECT_EQ(NamesIn(""), (Names{"a.txt", "dir", "pipe"}));
  EXPECT_EQ(NamesIn("dir"), Names{"inside"});
}

// /proc/self/mem is a regular file whose first page cannot be read: the copy fails after
// the temporary file was made, which must then go, leaving the destination as it was.
TEST_F(FileCopyTest, FailedReadLeavesNoTrace) {
  if (access("/proc/self/mem", R_OK) != 0) GTEST_SKIP() << "no /proc/self/mem";
  m_folder.WriteFile("dst.txt", "old");
  const core::FsResult result = m_fs.CopyFile("/proc/self/mem", m_folder.Path("dst.txt"), true);
  EXPECT_EQ(result.status, FsStatus::Failed);
  EXPECT_NE(result.systemError, 0);
  EXPECT_EQ(m_folder.ReadFile("dst.txt"), "old");
  EXPECT_EQ(NamesIn(""), Names{"dst.txt"});
}

TEST(CopyFileBytes, FallsBackToReadAndWriteForPipes) {
  test::TempFolder folder;
  int pipeEnds[2];
  ASSERT_EQ(pipe(pipeEnds), 0);
  const std::string content = "through a pipe";
  ASSERT_EQ(write(pipeEnds[1], content.data(), content.size()), static_cast<ssize_t>(content.size()));
  close(pipeEnds[1]);
  const int out = open(folder.Path("out").c_str(), O_CREAT | O_WRONLY, 0644);
  ASSERT_GE(out, 0);
  EXPECT_EQ(CopyFileBytes(pipeEnds[0], out), 0);
  close(out);
  close(pipeEnds[0]);
  EXPECT_EQ(folder.ReadFile("out"), content);
}

}  // namespace
}  // namespace morvane::platform
