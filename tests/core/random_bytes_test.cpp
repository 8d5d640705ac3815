// Random byte strings through the settings parser and the name rules: nothing may
// crash (the sanitizers watch), and the rules' invariants must hold for any input.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/names/path_rules.h"
#include "core/settings/ini_document.h"
#include "core/text/case_conversion.h"

namespace morvane::core {
namespace {

// Bytes drawn mostly from the ones the rules care about, so that separators, dots,
// brackets, line ends and lead bytes meet often.
std::string RandomBytes(std::mt19937& random, std::size_t maxLength) {
  static constexpr char kInteresting[] = {'/',    '\\',   ':',    '.',    '=',    '[',    ']',    '\r',
                                          '\n',   ' ',    'a',    'Z',    '\0',   '\x81', '\x95', '\x5C',
                                          '\xE0', '\xFC', '\xC3', '\xA9', '\xE8', '\x80'};
  std::uniform_int_distribution<std::size_t> length(0, maxLength);
  std::uniform_int_distribution<int> pick(0, 3);
  std::uniform_int_distribution<int> anyByte(0, 255);
  std::uniform_int_distribution<std::size_t> interesting(0, sizeof(kInteresting) - 1);
  std::string bytes(length(random), '\0');
  for (char& b : bytes)
    b = pick(random) == 0 ? static_cast<char>(anyByte(random)) : kInteresting[interesting(random)];
  return bytes;
}

TEST(RandomBytes, PathRulesKeepTheirInvariants) {
  std::mt19937 random(20261207);
  for (const CodePage* page : {&CodePage::Cp932(), &CodePage::Utf8()}) {
    for (PathSyntax syntax : {PathSyntax::Posix, PathSyntax::Windows}) {
      for (int i = 0; i < 3000; ++i) {
        const std::string path = RandomBytes(random, 40);
        const std::string name = ExtractFileName(path, syntax, *page);
        const std::string extension = ExtractFileExt(path, syntax, *page);
        ASSERT_TRUE(path.ends_with(name));
        ASSERT_TRUE(name.ends_with(extension));
        ASSERT_TRUE(path.starts_with(FolderPart(path, syntax, *page)));
        ASSERT_EQ(ChangeFileExt(path, extension, syntax, *page), path);
        ASSERT_EQ(UpperCaseSjis(path, *page).size(), path.size());
        ASSERT_EQ(LowerCaseSjis(UpperCaseSjis(path, *page), *page), LowerCaseSjis(path, *page));
      }
    }
  }
}

TEST(RandomBytes, SettingsDocumentsSurviveGarbageAndKeepTheirKeys) {
  std::mt19937 random(7);
  const CodePage& page = CodePage::Cp932();
  for (int i = 0; i < 2000; ++i) {
    IniDocument document = IniDocument::Parse(RandomBytes(random, 200), page);
    const std::string value = RandomBytes(random, 20);
    document.Set("Setting", "Key", value);
    document.Set("Other", "Second", "2");
    const std::string expected = value.substr(0, value.find_first_of("\r\n"));
    const IniDocument reread = IniDocument::Parse(document.Serialize(), page);
    ASSERT_EQ(reread.Get("setting", "key"), expected);
    ASSERT_EQ(reread.Get("OTHER", "second"), "2");
  }
}

}  // namespace
}  // namespace morvane::core
