// morvane-batch rename --order taken: photos and videos numbered by the date their
// metadata records, the modification time and then the name breaking ties, and a file
// that records none numbered by its modification time, with a count on standard error.
#include "cli/batch_fixture.h"
#include "support/media_samples.h"

namespace morvane::cli {
namespace {

TEST_F(BatchAppTest, TakenOrderNumbersByTheRecordedDate) {
  // a: no date recorded, modified in 2000; c and d: taken in the same second of 2019, d
  // modified first; e: a video of 2021.
  const struct {
    const char* name;
    std::string content;
    int modified;
  } files[] = {
      {"a.jpg", std::string(test::kBareJpeg), 2000},
      {"c.jpg", std::string(test::kDatedJpeg), 2024},
      {"d.jpg", std::string(test::kDatedJpeg) + "tail", 2023},
      {"e.mp4", std::string(test::kDatedMp4), 1990},
  };
  for (const auto& file : files) {
    m_folder.WriteFile(std::string("in/") + file.name, file.content);
    SetModified(std::string("in/") + file.name, file.modified);
  }
  ASSERT_EQ(Batch({"rename", "--in-place", "--order", "taken", "--start", "1", P("in")}), kExitSuccess)
      << m_err.str();
  EXPECT_EQ(m_folder.ReadFile("in/1.jpg"), files[0].content);
  EXPECT_EQ(m_folder.ReadFile("in/2.jpg"), files[2].content);
  EXPECT_EQ(m_folder.ReadFile("in/3.jpg"), files[1].content);
  EXPECT_EQ(m_folder.ReadFile("in/4.mp4"), files[3].content);
  EXPECT_NE(m_err.str().find("1 file records no date taken: its modification time was used"),
            std::string::npos)
      << m_err.str();
}

}  // namespace
}  // namespace morvane::cli
