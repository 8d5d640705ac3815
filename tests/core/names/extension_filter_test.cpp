#include "core/names/extension_filter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/names/case_option.h"
#include "core/names/protected_extensions.h"

namespace morvane::core {
namespace {

using Words = std::vector<std::string>;
const CodePage& Sjis = CodePage::Cp932();
const CodePage& Utf8 = CodePage::Utf8();

TEST(ExtensionFilterBuild, WordsAreTakenAsTyped) {
  struct Case {
    std::string text;
    Words words;
  } const cases[] = {
      {"", {"*"}},
      {Sjis.FromUtf8("すべてのファイル"), {"*"}},
      {"bmp,,jpg,", {"bmp", "jpg"}},
      {"bmp, jpg", {"bmp", " jpg"}},
      {",,,", {}},
      {"txt,txt", {"txt", "txt"}},
      {".txt", {".txt"}},
      {"*", {"*"}},
  };
  for (const auto& c : cases) EXPECT_EQ(BuildExtensionFilter(c.text, Sjis).Words(), c.words) << c.text;
}

TEST(ExtensionFilterMatch, ComparesDottedWordsWithoutCase) {
  struct Case {
    std::string filterText;
    std::string path;
    bool admitted;
  } const cases[] = {
      {"txt", "A.TXT", true},
      {"txt", "a.Txt", true},
      {"txt", "a.txt.bak", false},
      {"txt", "txt", false},
      {"JPG", "/p/photo.jpg", true},
      {"bmp, jpg", "a.jpg", false},
      {".txt", "a.txt", false},
      {"*", "README", true},
      {"", "README", true},
      {"txt", "README", false},
      {",", "a.txt", false},
      {"\x95\x5C", "a.\x95\x5C", true},
      {"\x82\x61", "a.\x82\x41", false},  // trail bytes are not case-folded
  };
  for (const auto& c : cases) {
    const ExtensionFilter filter = BuildExtensionFilter(c.filterText, Sjis);
    EXPECT_EQ(MatchesExtensionFilter(filter, c.path, PathSyntax::Posix, Sjis), c.admitted)
        << c.filterText << " / " << c.path;
  }
}

// In UTF-8 whatever the normalization forms; protected types are compared alike.
TEST(ExtensionFilterMatch, ComparesWordsWhateverTheirNormalizationForm) {
  const struct {
    std::string words, path;
    bool admitted;
  } cases[] = {{"デ", "x.テ\u3099", true},
               {"テ\u3099", "x.デ", true},
               {"テ", "x.テ\u3099", false},
               {"ｊｐｇ,txt", "a.jpg", false},
               {"jpg,デ", "a.JPG", true}};
  for (const auto& c : cases) {
    EXPECT_EQ(MatchesExtensionFilter(BuildExtensionFilter(c.words, Utf8), c.path, PathSyntax::Posix, Utf8),
              c.admitted)
        << c.path;
    EXPECT_EQ(ProtectedExtensions(SplitCommaList(c.words), Utf8).Protects(ExtractFileExt(c.path)),
              c.admitted);
  }
}

TEST(ExtensionFilterMatch, EmptyFilterAdmitsNothing) {
  EXPECT_FALSE(MatchesExtensionFilter(ExtensionFilter{}, "a.txt", PathSyntax::Posix, Utf8));
}

TEST(EnumerationPattern, OnePatternPerWord) {
  EXPECT_EQ(EnumerationPattern("*"), "*.*");
  EXPECT_EQ(EnumerationPattern("jpg"), "*.jpg");
}

TEST(ApplyExtensionCase, ConvertsByOptionIndex) {
  struct Case {
    std::string text;
    int index;
    std::string expected;
  } const cases[] = {
      {"   ", 0, ""},    {"   ", 1, ""},        {"", 2, ""},       {"Txt", 0, "Txt"},  {"Txt", 1, "TXT"},
      {"Txt", 2, "txt"}, {" Txt ", 0, " Txt "}, {"Txt", 7, "Txt"}, {"Txt", -1, "Txt"},
  };
  for (const auto& c : cases) EXPECT_EQ(ApplyExtensionCase(c.text, c.index, Sjis), c.expected) << c.index;
}

}  // namespace
}  // namespace morvane::core
