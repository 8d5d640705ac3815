// Regular-expression replacement of names over the table of pattern_cases.inc.
#include "core/modes/renaming/name_pattern.h"

#include <gtest/gtest.h>

#include <string_view>
#include <variant>

#include "pattern_case.h"

namespace morvane::core {
namespace {

using namespace pattern_table;

NamePattern Compiled(std::string_view pattern, std::string_view replacement, bool caseSensitive,
                     const CodePage& codePage = CodePage::Utf8()) {
  std::variant<NamePattern, PatternError> compiled =
      NamePattern::Compile(pattern, replacement, caseSensitive, codePage);
  if (const PatternError* error = std::get_if<PatternError>(&compiled)) ADD_FAILURE() << error->message;
  return std::get<NamePattern>(std::move(compiled));
}

TEST(NamePattern, ReplacesEveryMatchAsPerlWould) {
  for (const PatternCase& c : kCases) {
    const PatternResult result = Compiled(c.pattern, c.replacement, c.caseSensitive).Replace(c.name);
    EXPECT_EQ(result.outcome, c.outcome) << c.label;
    EXPECT_EQ(result.name, c.expected) << c.label;
  }
}

TEST(NamePattern, RefusesBrokenPatternsAndReplacementsWithThePlace) {
  const struct {
    std::string_view pattern;
    std::string_view replacement;
    bool inReplacement;
    std::size_t position;
  } cases[] = {
      {"(ab", "x", false, 4},       // missing )
      {"a[b", "x", false, 4},       // missing ]
      {"写真(?<x", "x", false, 7},  // counted in characters, not bytes
      {"*a", "x", false, 1},        // nothing to repeat
      {"(a)", "$2", true, 1},       // no second group
      {"(a)", "x${name}", true, 2}, {"(a)", "${1", true, 1},
      {"(a)", "${1a}", true, 1},    {"(a)", "price $ 5", true, 7},
  };
  for (const auto& c : cases) {
    std::variant<NamePattern, PatternError> compiled =
        NamePattern::Compile(c.pattern, c.replacement, true, CodePage::Utf8());
    ASSERT_TRUE(std::holds_alternative<PatternError>(compiled)) << c.pattern << " / " << c.replacement;
    const PatternError& error = std::get<PatternError>(compiled);
    EXPECT_EQ(error.inReplacement, c.inReplacement) << c.pattern << " / " << c.replacement;
    EXPECT_EQ(error.position, c.position) << c.pattern << " / " << c.replacement << ": " << error.message;
    EXPECT_FALSE(error.message.empty());
  }
}

TEST(NamePattern, MatchesCp932NamesAsCharacters) {
  const CodePage& sjis = CodePage::Cp932();
  // "写真01" with the digits moved in front: \d matches digits, not the bytes of 写真.
  const std::string name = sjis.FromUtf8("写真01");
  const PatternResult moved = Compiled(sjis.FromUtf8("(\\D+)(\\d+)"), "$2_$1", true, sjis).Replace(name);
  EXPECT_EQ(moved.outcome, O::Replaced);
  EXPECT_EQ(moved.name, sjis.FromUtf8("01_写真"));
  // 表 ends in the byte of a backslash; a pattern for a backslash does not find it there.
  EXPECT_EQ(Compiled("\\\\", "x", true, sjis).Replace(sjis.FromUtf8("表")).outcome, O::NoMatch);
  const PatternResult circled = Compiled("a", sjis.FromUtf8("①"), true, sjis).Replace("a");
  EXPECT_EQ(circled.name, sjis.FromUtf8("①"));
  EXPECT_EQ(Compiled("a", "b", true, sjis).Replace("\x82").outcome, O::InvalidName);
}

}  // namespace
}  // namespace morvane::core
