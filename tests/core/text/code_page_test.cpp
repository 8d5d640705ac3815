#include "core/text/code_page.h"

#include <gtest/gtest.h>

#include <string>

namespace morvane::core {
namespace {

const CodePage& Sjis = CodePage::Cp932();
const CodePage& Utf8 = CodePage::Utf8();

struct LengthCase {
  const char* label;
  std::string text;
  std::size_t pos;
  std::size_t expected;
};

TEST(CharLength, Cp932TakesTheByteAfterALeadByteWhateverItIs) {
  const LengthCase cases[] = {
      {"ascii", "a", 0, 1},
      {"kanji with backslash trail", "\x95\x5C", 0, 2},
      {"lead 0x81", "\x81\x40", 0, 2},
      {"lead 0x9F", "\x9F\xFC", 0, 2},
      {"lead 0xE0", "\xE0\x40", 0, 2},
      {"lead 0xFC", "\xFC\x4B", 0, 2},
      {"half-width katakana is single", "\xB1", 0, 1},
      {"0xA0 is single", "\xA0", 0, 1},
      {"0xFD is single", "\xFD\x40", 0, 1},
      {"lone lead byte at the end", "a\x95", 1, 1},
      {"lead followed by a control byte", "\x95\x0A", 0, 2},
  };
  for (const auto& c : cases) EXPECT_EQ(Sjis.CharLength(c.text, c.pos), c.expected) << c.label;
}

TEST(CharLength, Utf8TakesOnlyWellFormedSequences) {
  const LengthCase cases[] = {
      {"ascii", "a", 0, 1},
      {"two bytes", "\xC3\xA9", 0, 2},
      {"three bytes", "\xE8\xA1\xA8", 0, 3},
      {"four bytes", "\xF0\x9F\x98\x80", 0, 4},
      {"latin-1 byte alone", "caf\xE9", 3, 1},
      {"lead followed by slash", "\xC3/", 0, 1},
      {"truncated at the end", "\xE8\xA1", 0, 1},
      {"overlong C0", "\xC0\xAF", 0, 1},
      {"overlong E0", "\xE0\x80\xAF", 0, 1},
      {"surrogate", "\xED\xA0\x80", 0, 1},
      {"above U+10FFFF", "\xF4\x90\x80\x80", 0, 1},
      {"stray continuation", "\x80", 0, 1},
  };
  for (const auto& c : cases) EXPECT_EQ(Utf8.CharLength(c.text, c.pos), c.expected) << c.label;
}

TEST(CharBoundary, CutNeverSplitsACharacter) {
  EXPECT_EQ(Sjis.CutAtCharBoundary("ab\x95\x5C", 3), "ab");
  EXPECT_EQ(Sjis.CutAtCharBoundary("ab\x95\x5C", 4), "ab\x95\x5C");
  EXPECT_EQ(Utf8.CutAtCharBoundary("a\xE8\xA1\xA8", 3), "a");
  EXPECT_EQ(Utf8.CutAtCharBoundary("abc", 0), "");
  EXPECT_TRUE(Sjis.IsCharStart("\x95\x5C\x5C", 2));
  EXPECT_FALSE(Sjis.IsCharStart("\x95\x5C\x5C", 1));
}

TEST(CodesetChoice, ShiftJisNamesSelectCp932AndAllElseUtf8) {
  for (const char* name : {"SHIFT_JIS", "sjis", "CP932", "Windows-31J"}) {
    EXPECT_EQ(CodePageForCodeset(name).Kind(), CodePageKind::Cp932) << name;
  }
  for (const char* name : {"UTF-8", "ANSI_X3.4-1968", "EUC-JP", ""}) {
    EXPECT_EQ(CodePageForCodeset(name).Kind(), CodePageKind::Utf8) << name;
  }
}

TEST(Conversion, Cp932ToUnicodeAndBack) {
  const std::string sjis = "a\x95\x5C\xB1";  // a, 表, half-width ｱ
  EXPECT_EQ(Sjis.ToUtf16(sjis), u"a表ｱ");
  EXPECT_EQ(Sjis.FromUtf16(u"a表ｱ"), sjis);
  EXPECT_EQ(Sjis.ToUtf8(sjis), "a表ｱ");
  EXPECT_EQ(Sjis.FromUtf8("指定なし"), "\x8E\x77\x92\xE8\x82\xC8\x82\xB5");
}

TEST(Conversion, InvalidBytesShowAsReplacementAndUnmappableAsQuestionMark) {
  EXPECT_EQ(Utf8.ToUtf16("caf\xE9"), u"caf\uFFFD");
  EXPECT_EQ(Sjis.ToUtf16("x\x95"), u"x\uFFFD");
  EXPECT_EQ(Sjis.FromUtf16(u"😀"), "?");
  EXPECT_EQ(Utf8.FromUtf16(u"表😀"), "表😀");
  EXPECT_EQ(Utf8.FromUtf16(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(ActivePage, DefaultsToUtf8AndCanBeSet) {
  SetActiveCodePage(Sjis);
  EXPECT_EQ(ActiveCodePage().Kind(), CodePageKind::Cp932);
  SetActiveCodePage(Utf8);
  EXPECT_EQ(ActiveCodePage().Kind(), CodePageKind::Utf8);
}

}  // namespace
}  // namespace morvane::core
