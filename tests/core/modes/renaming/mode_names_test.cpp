#include "core/modes/renaming/mode_names.h"

#include <gtest/gtest.h>

#include "core/run/run_file_set.h"

namespace morvane::core {
namespace {

const CodePage& kSjis = CodePage::Cp932();
const CodePage& kUtf8 = CodePage::Utf8();

TEST(FindString, OccurrencesStartOnWholeCharacters) {
  struct Case {
    const char* text;
    const char* a;
    bool caseSensitive;
    const CodePage* codePage;
    std::size_t expected;
  };
  const std::size_t none = std::string_view::npos;
  const Case cases[] = {
      {"xABCyabc", "abc", true, &kUtf8, 5},
      {"xABCyabc", "abc", false, &kUtf8, 1},
      {"abc", "", false, &kUtf8, none},
      {"ab", "abc", false, &kUtf8, none},
      // CP932: "ア" is 0x83 0x41, so its trail byte looks like "A".
      {"\x83\x41"
       "A",
       "A", true, &kSjis, 2},
      {"\x83\x41", "A", true, &kSjis, none},
      {"\x83\x41", "a", false, &kSjis, none},
      // "ソ" is 0x83 0x5C: its trail byte is no backslash.
      {"\x83\x5C\\", "\\", true, &kSjis, 2},
      // UTF-8: a continuation byte is never a start.
      {"\xC3\xA9", "\xA9", true, &kUtf8, none},
      {"caf\xC3\xA9", "\xC3\xA9", true, &kUtf8, 3},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindString(c.text, c.a, c.caseSensitive, *c.codePage), c.expected) << c.text << " / " << c.a;
  }
}

TEST(ReplaceAllOccurrences, ReplacesLeftToRightWithoutOverlapOrRescan) {
  struct Case {
    const char* text;
    const char* a;
    const char* b;
    bool caseSensitive;
    const char* expected;
  };
  const Case cases[] = {
      {"abcABcab", "ab", "X", false, "XcXcX"},  {"xABCyabc", "abc", "B", false, "xByB"},
      {"xABCyabc", "abc", "B", true, "xABCyB"}, {"aaa", "aa", "b", true, "ba"},
      {"ab", "a", "aa", true, "aab"},  // B holding A does not loop
      {"a-b-c", "-", "", true, "abc"},          {"MixED", "xe", "__", false, "Mi__D"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReplaceAllOccurrences(c.text, c.a, c.b, c.caseSensitive, kUtf8), c.expected) << c.text;
  }
  // The trail byte of "ア" stays; the lone "A" after it is replaced.
  EXPECT_EQ(ReplaceAllOccurrences("\x83\x41"
                                  "A\x83\x41",
                                  "A", "z", true, kSjis),
            "\x83\x41z\x83\x41");
}

TEST(ExtensionChangeName, ReplacesOnlyTheLastExtension) {
  struct Case {
    const char* name;
    const char* newExtension;
    int nameCase;
    int extensionCase;
    const char* expected;
  };
  const Case cases[] = {
      {"Photo.JPEG", "jpg", 0, 1, "Photo.JPG"},
      {"Photo.JPEG", "", 0, 1, "Photo"},
      {"archive.tar.gz", "bz2", 0, 0, "archive.tar.bz2"},
      {"a.txt", "  doc ", 0, 0, "a.doc"},
      {"a.txt", "   ", 0, 0, "a"},
      {"a", "", 0, 0, "a"},
      {"Read Me.txt", "Md", 2, 2, "read me.md"},
      {"\x83\x41x.txt", "dat", 1, 0, "\x83\x41X.dat"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExtensionChangeName(c.name, c.newExtension, c.nameCase, c.extensionCase, kSjis), c.expected)
        << c.name;
  }
}

TEST(CaseConversionName, ConvertsBaseNameAndExtensionApart) {
  struct Case {
    const char* name;
    int nameCase;
    int extensionCase;
    const char* expected;
  };
  const Case cases[] = {
      {"Read Me.Txt", 2, 1, "read me.TXT"},
      {"photo.jpg", 1, 0, "PHOTO.jpg"},
      {"noext", 0, 1, "noext"},
      {"a.b.Txt", 1, 2, "A.B.txt"},
      {"\xE3\x81\x82x.jpg", 1, 1, "\xE3\x81\x82X.JPG"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CaseConversionName(c.name, c.nameCase, c.extensionCase, kUtf8), c.expected) << c.name;
  }
}

TEST(CharacterConversionName, ConvertsTheBaseNameAndTheExtensionOnlyWhenAsked) {
  CharacterConversion toFull;
  toFull.alnum = WidthChange::ToFull;
  toFull.symbols = WidthChange::ToFull;
  CharacterConversion toHalf;
  toHalf.alnum = WidthChange::ToHalf;
  toHalf.symbols = WidthChange::ToHalf;
  struct Case {
    const char* name;
    const CharacterConversion& conversion;
    bool extensionToo;
    ConversionOutcome outcome;
    const char* expected;
  };
  const Case cases[] = {
      {"a1.txt", toFull, false, ConversionOutcome::Changed, "ａ１.txt"},
      {"a1.txt", toFull, true, ConversionOutcome::Changed, "ａ１.ｔｘｔ"},
      {"ａ.txt", toHalf, true, ConversionOutcome::Changed, "a.txt"},
      {"abc.TXT", toHalf, true, ConversionOutcome::Unchanged, "abc.TXT"},
      {"／.txt", toHalf, false, ConversionOutcome::ForbiddenName, ""},  // ／ would become /
      {"a.／", toHalf, true, ConversionOutcome::ForbiddenName, ""},     // in the extension
      {"a.／", toHalf, false, ConversionOutcome::Unchanged, "a.／"},
  };
  for (const Case& c : cases) {
    const ConvertedName converted = CharacterConversionName(c.name, c.conversion, c.extensionToo, kUtf8);
    EXPECT_EQ(converted.outcome, c.outcome) << c.name;
    EXPECT_EQ(converted.name, c.expected) << c.name;
  }
}

TEST(EditedNames, AddAroundOrReplaceInTheBaseNameThenApplyExtensionAndCases) {
  struct Case {
    bool addition;
    const char* name;
    NameEditSettings settings;
    const char* expected;
  };
  const Case cases[] = {
      {true, "report.TXT", {"2024_", "_old", true, false, "", 0, 2}, "2024_report_old.txt"},
      {true, "noext", {"a", "b", true, false, "", 0, 0}, "anoextb"},
      {true, "noext", {"", "b", true, true, "txt", 0, 0}, "noextb.txt"},
      {true, "memo.txt", {"x_", "", true, false, "", 1, 0}, "X_MEMO.txt"},
      {true, "ab.c", {"", ".c", true, true, "", 0, 0}, "ab.c"},
      {false, "memo.txt", {"txt", "X", true, false, "", 0, 0}, "memo.txt"},
      {false, "xABCyabc.dat", {"abc", "B", false, true, "bin", 2, 1}, "xbyb.BIN"},
      {false, "a-b.txt", {"-", "", true, true, "", 0, 0}, "ab"},
  };
  for (const Case& c : cases) {
    const std::string name =
        c.addition ? AdditionName(c.name, c.settings, kUtf8) : ReplacementName(c.name, c.settings, kUtf8);
    EXPECT_EQ(name, c.expected) << c.name;
  }
}

// A is found whatever the normalization forms; the rest keeps its bytes. CP932 has no such forms.
TEST(ReplacementName, FindsTheTextWhateverItsNormalizationForm) {
  const struct {
    const CodePage* page;
    std::string name, a, expected;
  } cases[] = {
      {&kUtf8, "か\u3099っこう.テ\u3099", "が", "Xっこう.テ\u3099"},
      {&kUtf8, "がっこう", "か\u3099", "Xっこう"},
      {&kUtf8, "か\u3099か", "か", "か\u3099X"},
      {&kUtf8, "CAFE\u0301 cafe", "caf\u00E9", "X cafe"},
      {&kSjis, "\x82\xA9\x81\x4A", "\x82\xAA", "\x82\xA9\x81\x4A"},  // か ゛ is not が
  };
  for (const auto& c : cases)
    EXPECT_EQ(ReplacementName(c.name, {c.a, "X", false, false, "", 0, 0}, *c.page), c.expected) << c.name;
}

TEST(RunFileSet, KeepsNamesThatDifferInCaseAsTwoMembersInCaseBlindOrder) {
  RunFileSet files(kUtf8);
  for (const char* path : {"/x/b.txt", "/x/a.TXT", "/X/a.txt", "/x/a.TXT", "/x/A.txt"}) files.Add(path, {});
  std::vector<std::string> paths;
  for (const RunFileSet::Member& member : files.Members()) paths.emplace_back(member.path);
  EXPECT_EQ(paths, (std::vector<std::string>{"/X/a.txt", "/x/A.txt", "/x/a.TXT", "/x/b.txt"}));
}

}  // namespace
}  // namespace morvane::core
