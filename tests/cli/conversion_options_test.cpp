#include "cli/conversion_options.h"

#include <gtest/gtest.h>

#include <CLI/CLI.hpp>

namespace morvane::cli {
namespace {

using core::WidthChange;

TEST(ConversionOptions, EachWordSetsItsConversionAndOthersAreRefused) {
  CLI::App command;
  ConversionOptions options;
  AddConversionOptions(command, options);
  command.parse(
      "--alnum full --symbols half --space full --katakana half --kana hiragana --normalize nfd "
      "--letters upper --ext-too",
      false);
  core::CharacterConversion expected;
  expected.alnum = WidthChange::ToFull;
  expected.symbols = WidthChange::ToHalf;
  expected.space = WidthChange::ToFull;
  expected.katakana = WidthChange::ToHalf;
  expected.kana = core::KanaChange::ToHiragana;
  expected.normalize = core::NormalForm::Nfd;
  expected.letters = core::LetterCase::Upper;
  EXPECT_EQ(options.conversion, expected);
  EXPECT_TRUE(options.extensionToo);

  for (const char* wrong : {"--kana=half", "--alnum=katakana", "--normalize=nfkc"}) {
    CLI::App refusing;
    ConversionOptions unused;
    AddConversionOptions(refusing, unused);
    EXPECT_THROW(refusing.parse(std::string(wrong), false), CLI::ValidationError) << wrong;
  }
}

}  // namespace
}  // namespace morvane::cli
