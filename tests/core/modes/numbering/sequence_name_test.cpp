#include "core/modes/numbering/sequence_name.h"

#include <gtest/gtest.h>

#include "core/modes/numbering/number_limits.h"

namespace morvane::core {
namespace {

TEST(ComputeNumberLimits, WidthAndMaximumFollowTheStartText) {
  struct Case {
    const char* start;
    std::int64_t current;
    std::int64_t max;
    int width;
  };
  const Case cases[] = {
      {"1", 1, 99999999, 0},        {"0", 0, 99999999, 0},
      {"10", 10, 99999999, 0},      {"00", 0, 99, 2},
      {"007", 7, 999, 3},           {"01", 1, 99, 2},
      {"00000000", 0, 99999999, 8}, {"99999999", 99999999, 99999999, 0},
  };
  for (const Case& c : cases) {
    const NumberLimits limits = ComputeNumberLimits(c.start);
    EXPECT_EQ(limits.currentNumber, c.current) << c.start;
    EXPECT_EQ(limits.maxNumber, c.max) << c.start;
    EXPECT_EQ(limits.numberWidth, c.width) << c.start;
  }
}

TEST(FormatRunningNumber, PadsButNeverCuts) {
  EXPECT_EQ(FormatRunningNumber(7, 3), "007");
  EXPECT_EQ(FormatRunningNumber(12, 0), "12");
  EXPECT_EQ(FormatRunningNumber(1000, 3), "1000");
  EXPECT_EQ(FormatRunningNumber(0, 0), "0");
}

RunSettings InPlace() {
  RunSettings settings;
  settings.renameInPlace = true;
  return settings;
}

TEST(BuildNewPath, FormsFolderStemAndExtension) {
  struct Case {
    const char* name;
    RunSettings settings;
    const char* source;
    std::int64_t number;
    int width;
    PathSyntax syntax;
    const char* expected;
  };
  RunSettings upper = InPlace();
  upper.frontPart = "img_";
  upper.backPart = "_a";
  upper.nameCase = 1;
  RunSettings noExtension = InPlace();
  noExtension.changeExtension = true;
  RunSettings newExtension = InPlace();
  newExtension.changeExtension = true;
  newExtension.newExtensionText = "Jpeg";
  newExtension.extensionCase = 2;
  RunSettings copyTo;
  copyTo.outputFolder = "/out/";
  RunSettings copyToRoot;
  copyToRoot.outputFolder = "/";
  const Case cases[] = {
      {"case applies to the stem only", upper, "C:\\photo\\x.jpg", 3, 0, PathSyntax::Windows,
       "C:\\photo\\IMG_3_A.jpg"},
      {"same rule on posix", upper, "/photo/x.jpg", 3, 0, PathSyntax::Posix, "/photo/IMG_3_A.jpg"},
      {"last extension only", InPlace(), "/a/b.tar.gz", 1, 0, PathSyntax::Posix, "/a/1.gz"},
      {"no extension", InPlace(), "/a/README", 1, 0, PathSyntax::Posix, "/a/1"},
      {"dot in the folder only", InPlace(), "/a.b/c", 1, 0, PathSyntax::Posix, "/a.b/1"},
      {"empty new extension removes it", noExtension, "/a/x.txt", 5, 0, PathSyntax::Posix, "/a/5"},
      {"new extension with its case", newExtension, "/a/x.txt", 5, 3, PathSyntax::Posix, "/a/005.jpeg"},
      {"output folder with a trailing separator", copyTo, "/in/x.txt", 2, 2, PathSyntax::Posix,
       "/out/02.txt"},
      {"output folder at the root", copyToRoot, "/in/x.txt", 2, 0, PathSyntax::Posix, "/2.txt"},
      {"file at the root", InPlace(), "/x.txt", 1, 0, PathSyntax::Posix, "/1.txt"},
      {"drive root", InPlace(), "C:\\x.txt", 1, 0, PathSyntax::Windows, "C:\\1.txt"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BuildNewPath(c.source, c.number, c.width, c.settings, c.syntax, CodePage::Cp932()), c.expected)
        << c.name;
  }
}

TEST(BuildNewPath, LeavesDoubleByteCharactersOfTheFrontPartAlone) {
  RunSettings settings = InPlace();
  // "ソ" in CP932 ends with the byte of a backslash and "ａ" with that of a letter.
  settings.frontPart = "\x83\x5c\x82\x81x";
  settings.nameCase = 1;
  EXPECT_EQ(BuildNewPath("C:\\in\\a.txt", 1, 0, settings, PathSyntax::Windows, CodePage::Cp932()),
            "C:\\in\\\x83\x5c\x82\x81X1.txt");
}

}  // namespace
}  // namespace morvane::core
