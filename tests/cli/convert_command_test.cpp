// morvane-batch convert over the conversion table whose expected names Python's
// unicodedata worked out: the plan, the run and its undo, byte for byte.
#include <filesystem>
#include <set>

#include "cli/batch_fixture.h"
#include "core/conversion/conversion_case.h"

namespace morvane::cli {
namespace {

using namespace core::conversion_table;
using core::CharacterConversion;

// The options that ask for the conversion.
std::vector<std::string> OptionsOf(const CharacterConversion& c) {
  std::vector<std::string> options;
  auto width = [&](const char* option, W value) {
    if (value == W::Leave) return;
    options.insert(options.end(), {option, value == W::ToHalf ? "half" : "full"});
  };
  width("--alnum", c.alnum);
  width("--symbols", c.symbols);
  width("--space", c.space);
  width("--katakana", c.katakana);
  if (c.kana != K::Leave)
    options.insert(options.end(), {"--kana", c.kana == K::ToKatakana ? "katakana" : "hiragana"});
  if (c.normalize != N::Leave)
    options.insert(options.end(), {"--normalize", c.normalize == N::Nfc ? "nfc" : "nfd"});
  if (c.letters != L::Leave)
    options.insert(options.end(), {"--letters", c.letters == L::Lower ? "lower" : "upper"});
  return options;
}

class ConvertCommandTest : public BatchAppTest {
 protected:
  int Convert(const std::vector<std::string>& options, const std::string& folder,
              const char* extra = nullptr) {
    std::vector<std::string> arguments{"convert", "--in-place", "--ext-too"};
    arguments.insert(arguments.end(), options.begin(), options.end());
    if (extra != nullptr) arguments.emplace_back(extra);
    arguments.push_back(P(folder));
    return Batch(arguments);
  }
};

// Each name of the table that can be a file name in a UTF-8 locale, alone in its folder.
// The mode converts the name and the extension apart, the dot between them staying: the
// names that hold a dot and a symbol conversion are the core's to check.
TEST_F(ConvertCommandTest, PlanRunAndUndoGiveTheTablesNamesAndBackTheBytes) {
  int tried = 0;
  for (const ConversionCase& c : kCases) {
    const bool fileName =
        !c.name.empty() && c.name != "." && c.name != ".." && c.name.find('/') == std::string_view::npos;
    const bool splitAlike = c.name.find('.') == std::string_view::npos || c.conversion.symbols == W::Leave;
    if (c.page != &Utf8 || !fileName || !splitAlike) continue;
    SCOPED_TRACE(c.label);
    const std::string folder = "c" + std::to_string(++tried);
    const std::string name(c.name);
    m_folder.WriteFile(folder + "/" + name, c.label);
    const std::vector<std::string> options = OptionsOf(c.conversion);

    const int planned = Convert(options, folder, "--plan");
    std::string record;
    switch (c.outcome) {
      case O::Changed:
        EXPECT_EQ(planned, kExitSuccess) << m_err.str();
        record = std::string("renamed") + '\0' + P(folder + "/" + name) + '\0' + P(folder + "/") +
                 std::string(c.expected) + '\0';
        break;
      case O::Unchanged:
        record = std::string("nothing-to-convert") + '\0' + P(folder + "/" + name) + '\0' + '\0';
        break;
      default:
        EXPECT_EQ(planned, kExitFailures);
        record = std::string("unconvertible") + '\0' + P(folder + "/" + name) + '\0' + '\0';
        break;
    }
    EXPECT_EQ(m_out.str(), record);

    Convert(options, folder);
    const std::string after = c.outcome == O::Changed ? std::string(c.expected) : name;
    EXPECT_EQ(EntryNames(folder), std::set<std::string>{after}) << m_err.str();
    EXPECT_EQ(m_folder.ReadFile(folder + "/" + after), c.label);
    if (c.outcome != O::Changed) continue;
    ASSERT_EQ(Batch({"undo", "--yes"}), kExitSuccess) << m_err.str();
    EXPECT_EQ(EntryNames(folder), std::set<std::string>{name});
  }
  EXPECT_GE(tried, 40);
}

TEST_F(ConvertCommandTest, NamesThatConvergeLeaveTheSecondAndTellWhy) {
  m_folder.WriteFile("d/Ａ.txt", "first");
  m_folder.WriteFile("d/ａ.txt", "second");
  m_folder.WriteFile("d/Latin-1 caf\xE9.txt", "not UTF-8");
  const std::vector<std::string> options{"--alnum", "half", "--letters", "lower"};
  EXPECT_EQ(Convert(options, "d", "--plan"), kExitFailures);
  EXPECT_NE(m_out.str().find(std::string("taken-by-run") + '\0' + P("d/ａ.txt")), std::string::npos);
  EXPECT_NE(m_out.str().find(std::string("unconvertible") + '\0' + P("d/Latin-1 caf\xE9.txt")),
            std::string::npos);
  EXPECT_EQ(Convert(options, "d"), kExitFailures);
  EXPECT_EQ(EntryNames("d"), (std::set<std::string>{"a.txt", "ａ.txt", "Latin-1 caf\xE9.txt"}));
  EXPECT_EQ(m_folder.ReadFile("d/a.txt"), "first");
  EXPECT_NE(m_err.str().find("ａ.txt: its new name " + P("d/a.txt") + " is taken"), std::string::npos)
      << m_err.str();
  const std::string result = m_folder.ReadFile("Result.dat");
  EXPECT_NE(result.find("文字種変換ログ採取開始"), std::string::npos);
  EXPECT_NE(result.find("文字種変換：" + P("d/Ａ.txt")), std::string::npos) << result;
  EXPECT_NE(result.find("変換後の名前が空になるか使えない文字を含むので"), std::string::npos) << result;
  EXPECT_NE(result.find("文字種変換ログ採取終了"), std::string::npos);
}

TEST_F(ConvertCommandTest, RefusesARunThatConvertsNothing) {
  m_folder.WriteFile("d/a.txt", "a");
  EXPECT_EQ(Batch({"convert", "--in-place", "--ext-too", P("d")}), kExitRefused);
  EXPECT_NE(m_err.str().find("変換する文字種が指定されていません。"), std::string::npos) << m_err.str();
  EXPECT_EQ(Batch({"convert", "--in-place", "--kana", "kanji", P("d")}), kExitRefused);
  EXPECT_EQ(EntryNames("d"), std::set<std::string>{"a.txt"});
}

}  // namespace
}  // namespace morvane::cli
