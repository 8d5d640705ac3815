#include "core/preview/preview_text.h"

#include <gtest/gtest.h>

#include <string>

namespace morvane::core {
namespace {

const CodePage& Utf8 = CodePage::Utf8();

PreviewInputs Rename(std::string front, std::string start, std::string back) {
  PreviewInputs inputs;
  inputs.front = std::move(front);
  inputs.startNumber = std::move(start);
  inputs.back = std::move(back);
  return inputs;
}

PreviewInputs Strings(std::string a, std::string b) {
  PreviewInputs inputs;
  inputs.stringA = std::move(a);
  inputs.stringB = std::move(b);
  return inputs;
}

PreviewInputs WithCases(PreviewInputs inputs, int nameCase, int extensionCase) {
  inputs.nameCase = nameCase;
  inputs.extensionCase = extensionCase;
  return inputs;
}

PreviewInputs WithExtension(PreviewInputs inputs, bool on, std::string extension) {
  inputs.extensionOn = on;
  inputs.newExtension = std::move(extension);
  return inputs;
}

TEST(ComposePreview, BuildsTheFirstNewNamePerMode) {
  struct Case {
    const char* what;
    OperatingMode mode;
    PreviewInputs inputs;
    std::string preview;
  } const cases[] = {
      {"front and number", OperatingMode::SequentialRename, Rename("IMG_", "001", ""), "IMG_001"},
      {"number never converted", OperatingMode::SequentialRename,
       WithCases(Rename("img_", "0a1", "_a"), 1, 0), "IMG_0a1_A"},
      {"lower case", OperatingMode::SequentialRename, WithCases(Rename("IMG_", "001", "_A"), 2, 0),
       "img_001_a"},
      {"extension upper", OperatingMode::SequentialRename,
       WithExtension(WithCases(Rename("IMG_", "001", ""), 0, 1), true, "jpg"), "IMG_001.JPG"},
      {"extension of spaces", OperatingMode::SequentialRename,
       WithExtension(Rename("IMG_", "001", ""), true, "  "), "IMG_001"},
      {"extension kept untrimmed", OperatingMode::SequentialRename,
       WithExtension(Rename("a", "1", ""), true, " jp"), "a1. jp"},
      {"extension off", OperatingMode::SequentialRename,
       WithExtension(WithCases(Rename("IMG_", "001", ""), 0, 1), false, "jpg"), "IMG_001"},
      {"replacement converts B only", OperatingMode::StringReplacement,
       WithCases(Strings("old", "new"), 1, 0), "???old??? → ???NEW???"},
      {"addition", OperatingMode::StringAddition, Strings("x_", ""), "x_???"},
      {"addition with case", OperatingMode::StringAddition,
       WithExtension(WithCases(Strings("a", "b"), 1, 2), true, "TXT"), "A???B.txt"},
      {"no selection leaves the case", OperatingMode::StringAddition, WithCases(Strings("a", "b"), -1, -1),
       "a???b"},
  };
  for (const auto& c : cases) EXPECT_EQ(ComposePreview(c.mode, c.inputs, Utf8), c.preview) << c.what;
}

TEST(ComposePreview, ModesWithoutAPreviewGiveNothing) {
  EXPECT_FALSE(ComposePreview(OperatingMode::ExtensionChange, Rename("a", "1", ""), Utf8));
  EXPECT_FALSE(ComposePreview(OperatingMode::CaseConversion, Rename("a", "1", ""), Utf8));
}

TEST(ComposePreview, DoubleByteTrailBytesAreNotConverted) {
  const CodePage& sjis = CodePage::Cp932();
  // The trail byte of 表 is 0x5C in CP932 and must not be taken for anything.
  const std::string table = sjis.FromUtf8("表");
  PreviewInputs inputs = WithCases(Rename("a" + table, "1", "b"), 1, 0);
  EXPECT_EQ(ComposePreview(OperatingMode::SequentialRename, inputs, sjis), "A" + table + "1B");
}

TEST(ComposePreview, TheReplacementArrowIsInTheActiveCodePage) {
  const CodePage& sjis = CodePage::Cp932();
  const auto preview = ComposePreview(OperatingMode::StringReplacement, Strings("a", "b"), sjis);
  ASSERT_TRUE(preview);
  EXPECT_EQ(sjis.ToUtf8(*preview), "???a??? → ???b???");
}

TEST(CyclePreviewCase, FirstAlignsThenMovesBothTogether) {
  int name = 0;
  int extension = 2;
  const int expected[][2] = {{0, 0}, {1, 1}, {2, 2}, {0, 0}};
  for (const auto& step : expected) {
    const auto next = CyclePreviewCase(name, extension);
    ASSERT_TRUE(next);
    name = next->nameCase;
    extension = next->extensionCase;
    EXPECT_EQ(name, step[0]);
    EXPECT_EQ(extension, step[1]);
  }
}

TEST(CyclePreviewCase, ReportsWhetherTheNameCaseMoved) {
  EXPECT_FALSE(CyclePreviewCase(1, 0)->nameCaseChanged);
  EXPECT_TRUE(CyclePreviewCase(1, 1)->nameCaseChanged);
  EXPECT_FALSE(CyclePreviewCase(-1, 0));
  // An extension case without a selection is brought in line like any other.
  EXPECT_EQ(CyclePreviewCase(2, -1)->extensionCase, 2);
}

}  // namespace
}  // namespace morvane::core
