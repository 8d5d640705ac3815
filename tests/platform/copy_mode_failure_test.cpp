// How a copy fares when its file system cannot set permission bits. The mode call is
// replaced, so each file system's answer can be given on any disk.
#include <errno.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <ostream>
#include <string>
#include <vector>

#include "platform/file_copy.h"
#include "platform/listed_names.h"
#include "support/temp_folder.h"

namespace morvane::platform {
namespace {

using Names = std::vector<std::string>;

struct ModeFailure {
  int error;
  const char* name;
  bool copied;  // the copy goes ahead without its mode

  friend void PrintTo(const ModeFailure& failure, std::ostream* out) { *out << failure.name; }
};

class CopyModeFailureTest : public ::testing::TestWithParam<ModeFailure> {
 protected:
  void SetUp() override {
    m_folder.WriteFile("src.bin", m_content);
    m_folder.CreateFiles({"out/"});
    ASSERT_EQ(chmod(m_folder.Path("src.bin").c_str(), 0640), 0);
    const timespec times[2] = {{0, UTIME_OMIT}, {1'400'000'000, 123'456'789}};
    ASSERT_EQ(utimensat(AT_FDCWD, m_folder.Path("src.bin").c_str(), times, 0), 0);
  }

  const std::string m_content = std::string(200'000, 'c') + "end";
  test::TempFolder m_folder;
};

TEST_P(CopyModeFailureTest, ModeIsBestEffortOnlyWhenTheFileSystemCannotKeepIt) {
  const int error = GetParam().error;
  std::vector<mode_t> asked;
  const SetModeCall failingMode = [&](int, mode_t mode) {
    asked.push_back(mode);
    errno = error;
    return -1;
  };

  const core::FsResult result =
      CopyFileThroughTemporary(m_folder.Path("src.bin"), m_folder.Path("out/copy.bin"), false, failingMode);

  EXPECT_EQ(asked, std::vector<mode_t>{0640});
  EXPECT_EQ(m_folder.ReadFile("src.bin"), m_content);
  if (GetParam().copied) {
    ASSERT_TRUE(result.Ok()) << "errno " << result.systemError;
    EXPECT_EQ(m_folder.ReadFile("out/copy.bin"), m_content);
    struct stat copy {};
    ASSERT_EQ(stat(m_folder.Path("out/copy.bin").c_str(), &copy), 0);
    EXPECT_EQ(copy.st_mtim.tv_sec, 1'400'000'000);
    EXPECT_EQ(copy.st_mtim.tv_nsec, 123'456'789);
    EXPECT_EQ(ListedNames(m_folder.Path("out")), Names{"copy.bin"});
  } else {
    EXPECT_EQ(result.status, core::FsStatus::Failed);
    EXPECT_EQ(result.systemError, error);
    EXPECT_EQ(ListedNames(m_folder.Path("out")), Names{}) << "no copy and no temporary file";
  }
}

INSTANTIATE_TEST_SUITE_P(Errors, CopyModeFailureTest,
                         ::testing::Values(ModeFailure{ENOSYS, "ENOSYS", true},  // fusefat
                                           ModeFailure{ENOTSUP, "ENOTSUP", true},
                                           ModeFailure{EOPNOTSUPP, "EOPNOTSUPP", true},
                                           ModeFailure{EPERM, "EPERM", true},  // vfat
                                           ModeFailure{EIO, "EIO", false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace morvane::platform
