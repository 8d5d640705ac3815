#include "core/modes/renaming/canonical_find.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/text/canonical_form.h"

namespace morvane::core {
namespace {

const CodePage& Sjis = CodePage::Cp932();
const CodePage& Utf8 = CodePage::Utf8();

TEST(CanonicalFind, FindsWholeCharactersWhateverTheNormalizationForm) {
  const struct {
    const char* label;
    const CodePage* page;
    std::string_view name;
    std::string_view text;
    bool caseSensitive;
    std::vector<ByteRange> found;
  } cases[] = {
      {"composed text in a decomposed name", &Utf8, "か\u3099っこう", "が", true, {{0, 6}}},
      {"decomposed text in a composed name", &Utf8, "がっこう", "か\u3099", true, {{0, 3}}},
      {"a base letter never splits off its mark", &Utf8, "かか\u3099がか", "か", true, {{0, 3}, {12, 15}}},
      {"accents of the letter before", &Utf8, "e\u0301e", "e", true, {{3, 4}}},
      {"case-blind through a decomposition", &Utf8, "CAFÉ.txt", "cafe\u0301", false, {{0, 5}}},
      {"accent case counts when asked", &Utf8, "CAFÉ.txt", "cafe\u0301", true, {}},
      {"full-width letters keep their case", &Utf8, "ＡＢ", "ａｂ", false, {}},
      {"occurrences do not overlap", &Utf8, "あああ", "ああ", true, {{0, 6}}},
      {"a byte that is no character",
       &Utf8,
       "a\xFFか\u3099",
       "\xFF"
       "が",
       true,
       {{1, 8}}},
      {"a singleton decomposition", &Utf8, "5K", "\u212A", true, {{1, 2}}},
      {"ASCII, case-blind", &Utf8, "aAba", "a", false, {{0, 1}, {1, 2}, {3, 4}}},
      {"CP932 trail byte is no backslash", &Sjis, "\x95\\\\", "\\", true, {{2, 3}}},
      {"CP932 letters",
       &Sjis,
       "\x82\x61"
       "a",
       "A",
       false,
       {{2, 3}}},
      {"empty text", &Utf8, "abc", "", true, {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FindCanonicalOccurrences(c.name, c.text, c.caseSensitive, *c.page), c.found) << c.label;
  }
}

TEST(CanonicalFind, ReplacementKeepsEveryOtherByte) {
  EXPECT_EQ(ReplaceCanonicalOccurrences("テ\u3099ータ ハ\u309A", "ータ", "-", true, Utf8),
            "テ\u3099- ハ\u309A");
}

TEST(CanonicalEquality, MatchesExtensionsWhateverTheirForm) {
  const struct {
    const CodePage* page;
    std::string_view a;
    std::string_view b;
    bool equal;
  } cases[] = {
      {&Utf8, ".JPG", ".jpg", true},
      {&Utf8, ".caf\u00E9", ".CAFE\u0301", true},
      {&Utf8, ".テ\u3099", ".デ", true},
      {&Utf8, ".デ", ".テ", false},
      {&Utf8, ".ｊｐｇ", ".jpg", false},
      {&Utf8,
       ".\xFF"
       "a",
       ".\xFF"
       "A",
       true},
      {&Utf8, ".\xFF", ".\xFE", false},
      {&Sjis, "\x82\x61", "\x82\x41", false},
      {&Sjis, ".\x95\\a", ".\x95\\A", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EqualsCanonicalCaseBlind(c.a, c.b, *c.page), c.equal) << c.a << " " << c.b;
    EXPECT_EQ(CanonicalCaseBlindForm(c.a, *c.page) == CanonicalCaseBlindForm(c.b, *c.page), c.equal) << c.a;
  }
}

}  // namespace
}  // namespace morvane::core
