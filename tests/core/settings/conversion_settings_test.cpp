#include "core/settings/conversion_settings.h"

#include <gtest/gtest.h>

namespace morvane::core {
namespace {

// The stored indexes are those of the window's combo boxes, whose orders differ: the
// katakana's first choice is full width, the other widths' half width.
TEST(ConversionSettings, IndexesAreTheComboBoxesAndOutOfRangeLeaves) {
  const IniDocument document = IniDocument::Parse(
      "[Setting]\r\nConvAlnum=1\r\nConvSymbols=2\r\nConvSpace=7\r\nConvKatakana=1\r\nConvKana=2\r\n"
      "ConvNormalize=2\r\nConvLetters=1\r\nConvExt=1\r\n",
      CodePage::Utf8());
  const StoredConversion stored = ReadConversionSettings(document);
  CharacterConversion expected;
  expected.alnum = WidthChange::ToHalf;
  expected.symbols = WidthChange::ToFull;
  expected.space = WidthChange::Leave;
  expected.katakana = WidthChange::ToFull;
  expected.kana = KanaChange::ToHiragana;
  expected.normalize = NormalForm::Nfd;
  expected.letters = LetterCase::Lower;
  EXPECT_EQ(stored.conversion, expected);
  EXPECT_TRUE(stored.extensionToo);

  IniDocument written = IniDocument::Parse("", CodePage::Utf8());
  WriteConversionSettings(written, stored);
  const StoredConversion again = ReadConversionSettings(written);
  EXPECT_EQ(again.conversion, expected);
  EXPECT_TRUE(again.extensionToo);
  EXPECT_EQ(written.Get("Setting", "ConvKatakana"), "1");
  EXPECT_EQ(written.Get("Setting", "ConvSpace"), "0");
}

}  // namespace
}  // namespace morvane::core
