#include "core/text/case_blind_compare.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text/case_conversion.h"

namespace morvane::core {
namespace {

int Sign(int value) { return (value > 0) - (value < 0); }

// What the comparison must agree with: the whole texts upper-cased, then their bytes.
int Reference(const std::string& a, const std::string& b, const CodePage& codePage) {
  if (const int folded = UpperCaseSjis(a, codePage).compare(UpperCaseSjis(b, codePage)); folded != 0)
    return Sign(folded);
  return Sign(a.compare(b));
}

// Texts that differ only in case, by a prefix, in bytes above ASCII, and with CP932
// characters whose second byte is an ASCII letter ("\x83\x41", "\x83\x61"), a lead byte
// at the very end, and a letter after a half-width katakana.
const std::vector<std::string> kTexts = {
    "",
    "a",
    "A",
    "ab",
    "aB",
    "abc",
    "b",
    "photo_0001.jpg",
    "PHOTO_0001.JPG",
    "photo_0002.jpg",
    "x\x83\x41y",
    "x\x83\x61y",
    "x\x83\x41Y",
    "X\x83\x61y",
    "\x83",
    "\x83\x41",
    "\xb1\x61",
    "\xb1\x41",
    // Two literals, so that the letter is not read as a fourth hex digit.
    // clang-format off
    "\xe3\x81\x82" "a",
    "\xe3\x81\x82" "A",
    // clang-format on
    "\xff",
};

TEST(CompareCaseBlind, AgreesWithTheWholeTextsUpperCasedWhereverTheyAreSplit) {
  for (const CodePage* codePage : {&CodePage::Utf8(), &CodePage::Cp932()}) {
    for (const std::string& a : kTexts) {
      for (const std::string& b : kTexts) {
        const int expected = Reference(a, b, *codePage);
        EXPECT_EQ(Sign(CompareTextNoCase(a, b, *codePage)), expected)
            << codePage->Name() << " " << a << " " << b;
        // Every split of each side, so that pieces of equal and of different lengths
        // meet, and characters span the join.
        for (std::size_t i = 0; i <= a.size(); ++i) {
          for (std::size_t j = 0; j <= b.size(); ++j) {
            const std::string_view av(a);
            const std::string_view bv(b);
            EXPECT_EQ(
                CompareCaseBlind(av.substr(0, i), av.substr(i), bv.substr(0, j), bv.substr(j), *codePage),
                expected)
                << codePage->Name() << " [" << a << "] split " << i << " [" << b << "] split " << j;
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace morvane::core
