#include "core/text/case_conversion.h"

#include <gtest/gtest.h>

#include <string>

#include "core/text/trim.h"

namespace morvane::core {
namespace {

const CodePage& Sjis = CodePage::Cp932();
const CodePage& Utf8 = CodePage::Utf8();

struct CaseCase {
  const char* label;
  const CodePage* page;
  std::string input;
  std::string upper;
  std::string lower;
};

TEST(CaseConversion, ConvertsOnlySingleByteAsciiLetters) {
  const CaseCase cases[] = {
      {"kanji with backslash trail", &Sjis,
       "abc\x95\x5C"
       "def",
       "ABC\x95\x5C"
       "DEF",
       "abc\x95\x5C"
       "def"},
      // Full-width A, B, C have the trail bytes 0x60 0x61 0x62 ('`', 'a', 'b').
      {"full-width letters", &Sjis, "\x82\x60\x82\x61\x82\x62", "\x82\x60\x82\x61\x82\x62",
       "\x82\x60\x82\x61\x82\x62"},
      {"trail byte equal to 'a'", &Sjis, "\x82\x61x", "\x82\x61X", "\x82\x61x"},
      {"half-width katakana", &Sjis,
       "\xB1\xB2"
       "a",
       "\xB1\xB2"
       "A",
       "\xB1\xB2"
       "a"},
      {"lone lead byte at the end", &Sjis, "ab\x95", "AB\x95", "ab\x95"},
      {"utf-8 letters and accents", &Utf8, "caf\xC3\xA9 Ok", "CAF\xC3\xA9 OK", "caf\xC3\xA9 ok"},
      {"latin-1 byte", &Utf8, "\xE9t\xE9", "\xE9T\xE9", "\xE9t\xE9"},
      {"empty", &Sjis, "", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(UpperCaseSjis(c.input, *c.page), c.upper) << c.label;
    EXPECT_EQ(LowerCaseSjis(c.input, *c.page), c.lower) << c.label;
  }
}

TEST(CaseConversion, LongTextsAreConvertedWhole) {
  const std::string longText = std::string(300, 'a') + "\x95\x5C" + std::string(300, 'b');
  const std::string upper = UpperCaseSjis(longText, Sjis);
  EXPECT_EQ(upper, std::string(300, 'A') + "\x95\x5C" + std::string(300, 'B'));
}

TEST(CaseInsensitiveOrder, FoldsCaseButNeverMakesTwoNamesOne) {
  EXPECT_LT(CompareTextNoCase("apple", "Banana", Utf8), 0);
  EXPECT_GT(CompareTextNoCase("b", "A", Utf8), 0);
  EXPECT_NE(CompareTextNoCase("File.txt", "file.txt", Utf8), 0);
  EXPECT_EQ(CompareTextNoCase("file.txt", "file.txt", Utf8), 0);
  EXPECT_TRUE(EqualsNoCase("A.TXT", "a.txt", Utf8));
  EXPECT_FALSE(EqualsNoCase("\x82\x61", "\x82\x41", Sjis));  // trail bytes 'a' and 'A'
}

TEST(Trim, RemovesBytesUpToSpaceAtBothEnds) {
  EXPECT_EQ(TrimBlanks(" \t a b \r\n"), "a b");
  EXPECT_EQ(TrimBlanks("   "), "");
  EXPECT_TRUE(IsBlank(""));
  EXPECT_FALSE(IsBlank(" x "));
}

}  // namespace
}  // namespace morvane::core
