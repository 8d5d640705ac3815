// The taken time of real photo and video files, written by exiftool into the smallest
// JPEG and MP4 there are. What each file holds is read back with exiftool, so the
// expected times never come from the code under test.
#include "platform/metadata_taken_time.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <time.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "support/byte_mutations.h"
#include "support/deep_folder.h"
#include "support/media_samples.h"
#include "support/temp_folder.h"

namespace morvane::platform {
namespace {

using Source = core::TakenTime::Source;

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

bool HaveExiftool() { return std::system("exiftool -ver >/dev/null 2>&1") == 0; }

// What `command` prints on its standard output.
std::string Output(const std::string& command) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return output;
  char buffer[256];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
  pclose(pipe);
  return output;
}

// The moment "YYYY-MM-DD HH:MM:SS" names, read in the local zone or in UTC.
core::FileTime Moment(const std::string& text, Source source) {
  std::tm parts{};
  if (strptime(text.c_str(), "%Y-%m-%d %H:%M:%S", &parts) == nullptr) ADD_FAILURE() << "not a date: " << text;
  parts.tm_isdst = -1;
  return std::chrono::system_clock::from_time_t(source == Source::Video ? timegm(&parts) : mktime(&parts));
}

class MetadataTakenTimeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HaveExiftool()) GTEST_SKIP() << "exiftool is missing (Debian: libimage-exiftool-perl)";
    // Nine hours east of UTC all year: a photo's local time and a video's UTC time are
    // then moments nine hours apart, so reading either in the other's zone shows.
    const char* zone = getenv("TZ");
    m_zone = zone == nullptr ? std::nullopt : std::optional<std::string>(zone);
    setenv("TZ", "JST-9", 1);
    tzset();
  }
  void TearDown() override {
    if (m_zone) {
      setenv("TZ", m_zone->c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }

  // sample at name, then exiftool's arguments applied to it.
  std::string Write(const std::string& name, std::string_view sample,
                    const std::string& exiftoolArguments = "") {
    m_folder.WriteFile(name, sample);
    const std::string path = m_folder.Path(name);
    if (!exiftoolArguments.empty()) {
      const std::string command =
          "exiftool -q -q -overwrite_original " + exiftoolArguments + " " + Quoted(path);
      EXPECT_EQ(std::system(command.c_str()), 0) << command;
    }
    return path;
  }

  // The file's bytes with count bytes at the TIFF header's offset `at` (0: the byte
  // order, 4: where the first directory starts) overwritten.
  void DamageTiffHeader(const std::string& name, std::size_t at, std::string_view bytes) {
    std::string content = m_folder.ReadFile(name);
    const std::size_t header = content.find(std::string_view("Exif\0\0", 6));
    ASSERT_NE(header, std::string::npos);
    content.replace(header + 6 + at, bytes.size(), bytes);
    m_folder.WriteFile(name, content);
  }

  test::TempFolder m_folder;
  std::optional<std::string> m_zone;
};

TEST_F(MetadataTakenTimeTest, ReadsTheRecordedDateOrNothing) {
  const std::string taken = "'-DateTimeOriginal=2019:03:02 01:02:03' '-CreateDate=2020:05:06 07:08:09'";
  Write("taken.jpg", test::kBareJpeg, taken);
  Write("photo.dat", test::kBareJpeg, taken);
  Write("bad-byte-order.jpg", test::kBareJpeg, taken);
  DamageTiffHeader("bad-byte-order.jpg", 0, "XX");
  Write("bad-directory.jpg", test::kBareJpeg, taken);
  DamageTiffHeader("bad-directory.jpg", 4, "\xff\xff\xff\x00");
  Write("digitized.jpg", test::kBareJpeg, "'-CreateDate=2018:12:31 23:59:59'");
  Write("unset-clock.jpg", test::kBareJpeg,
        "'-DateTimeOriginal=0000:00:00 00:00:00' '-CreateDate=2017:06:15 10:00:00'");
  Write("bare.jpg", test::kBareJpeg);
  Write("clip.mp4", test::kBareMp4, "'-QuickTime:CreateDate=2021:07:04 12:34:56'");
  Write("clip:colon.mov", test::kBareMp4, "'-QuickTime:CreateDate=2021:07:04 12:34:56'");
  Write("undated.mp4", test::kBareMp4);
  Write("text.jpg", "not a photo\n");
  Write("empty.jpg", "");
  m_folder.CreateFiles({"folder.jpg/"});
  ASSERT_EQ(mkfifo(m_folder.Path("pipe.jpg").c_str(), 0600), 0);

  struct Case {
    std::string name;
    std::string expected;  // "YYYY-MM-DD HH:MM:SS", "" for nothing
    Source source;
  } const cases[] = {
      {"taken.jpg", "2019-03-02 01:02:03", Source::Exif},
      // The content tells a photo, not the name.
      {"photo.dat", "2019-03-02 01:02:03", Source::Exif},
      {"digitized.jpg", "2018-12-31 23:59:59", Source::Exif},
      {"unset-clock.jpg", "2017-06-15 10:00:00", Source::Exif},
      {"bad-byte-order.jpg", "", Source::Exif},
      {"bad-directory.jpg", "", Source::Exif},
      {"bare.jpg", "", Source::Exif},
      {"clip.mp4", "2021-07-04 12:34:56", Source::Video},
      {"clip:colon.mov", "2021-07-04 12:34:56", Source::Video},
      {"undated.mp4", "", Source::Video},
      {"text.jpg", "", Source::Exif},
      {"empty.jpg", "", Source::Exif},
      {"folder.jpg", "", Source::Exif},
      {"pipe.jpg", "", Source::Exif},
      {"missing.jpg", "", Source::Exif},
  };
  const MetadataTakenTimeReader reader;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = m_folder.Path(c.name);
    const std::optional<core::TakenTime> read = reader.Read(path);
    if (c.expected.empty()) {
      EXPECT_FALSE(read.has_value());
      continue;
    }
    const std::string shown =
        Output("exiftool -DateTimeOriginal -CreateDate -s3 -d '%Y-%m-%d %H:%M:%S' " + Quoted(path));
    ASSERT_NE(shown.find(c.expected + "\n"), std::string::npos) << "exiftool shows " << shown;
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->source, c.source);
    EXPECT_EQ(read->time, Moment(c.expected, c.source));
  }
}

// A few hundred damaged variants of dated files: none may crash the reader (the
// sanitizers watch it), and each is read the same way twice.
// Needs no exiftool: the dated samples are embedded.
TEST(MetadataTakenTime, DamagedFilesGiveADateOrNothing) {
  const test::TempFolder folder;
  const std::string seeds[] = {std::string(test::kDatedJpeg), std::string(test::kDatedMp4)};
  const MetadataTakenTimeReader reader;
  std::mt19937_64 random(20240607);
  const std::string path = folder.Path("damaged");
  for (int round = 0; round < 300; ++round) {
    folder.WriteFile("damaged", test::MutateBytes(seeds[round % 2], random));
    const std::optional<core::TakenTime> first = reader.Read(path);
    const std::optional<core::TakenTime> second = reader.Read(path);
    ASSERT_EQ(first.has_value(), second.has_value());
    if (first) {
      EXPECT_EQ(first->time, second->time);
    }
  }
}

// Paths longer than PATH_MAX reach the file as the rest of the program reaches it.
TEST(MetadataTakenTime, ReadsAtAnyDepth) {
  const test::TempFolder folder;
  const test::DeepFolder deep(folder.Root(), 5000);
  const MetadataTakenTimeReader reader;
  for (const std::string_view sample : {test::kDatedJpeg, test::kDatedMp4}) {
    folder.WriteFile("near", sample);
    deep.WriteFile("far", sample);
    const std::optional<core::TakenTime> near = reader.Read(folder.Path("near"));
    const std::optional<core::TakenTime> far = reader.Read(deep.Path("far"));
    ASSERT_TRUE(near.has_value() && far.has_value());
    EXPECT_EQ(far->time, near->time);
    EXPECT_EQ(far->source, near->source);
  }
}

}  // namespace
}  // namespace morvane::platform
