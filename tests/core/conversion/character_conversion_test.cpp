#include "core/conversion/character_conversion.h"

#include <gtest/gtest.h>

#include <string_view>

#include "conversion_case.h"

namespace morvane::core {
namespace {

using namespace conversion_table;

TEST(CharacterConversion, ConvertsAsUnicodeDataSays) {
  // The expected names are worked out apart from this code, by make_conversion_cases.py.
  for (const ConversionCase& c : kCases) {
    const ConvertedName converted = ConvertCharacters(c.name, c.conversion, *c.page);
    EXPECT_EQ(converted.outcome, c.outcome) << c.label;
    EXPECT_EQ(converted.name, c.expected) << c.label;
  }
}

TEST(CharacterConversion, RefusesNamesThatAreNoTextOfTheCodePage) {
  const CharacterConversion toUpper{.letters = L::Upper};
  const struct {
    const char* label;
    const CodePage* page;
    std::string_view name;
  } cases[] = {
      {"latin-1 byte in UTF-8", &Utf8, "caf\xE9"},
      {"truncated UTF-8 character", &Utf8, "a\xE3\x81"},
      {"lone CP932 lead byte at the end", &Sjis, "ab\x82"},
      {"CP932 lead byte with a byte it does not take", &Sjis, "\x82\x20z"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ConvertCharacters(c.name, toUpper, *c.page).outcome, O::InvalidName) << c.label;
    // Asked for nothing, a name is left as it is, whatever its bytes.
    EXPECT_EQ(ConvertCharacters(c.name, {}, *c.page).outcome, O::Unchanged) << c.label;
  }
}

TEST(CharacterConversion, CharactersThatAreNotConvertedKeepTheirCp932Bytes) {
  // ∵ has three CP932 encodings (81 E6, 87 9A, FA 5B); Unicode has one character.
  const ConvertedName converted = ConvertCharacters(
      "\x87\x9A"
      "a",
      {.alnum = W::ToFull}, Sjis);
  EXPECT_EQ(converted.outcome, O::Changed);
  EXPECT_EQ(converted.name, "\x87\x9A\x82\x81");
  EXPECT_EQ(ConvertCharacters("\xFA\x5B", {.alnum = W::ToFull}, Sjis).outcome, O::Unchanged);
}

}  // namespace
}  // namespace morvane::core
