#include "core/names/input_class.h"

#include <gtest/gtest.h>

#include <string>

namespace morvane::core {
namespace {

TEST(InputClasses, DroppedCharactersPerClass) {
  struct Case {
    InputClass inputClass;
    std::string dropped;
    std::string kept;
  } const cases[] = {
      {InputClass::NameText, "\",/:;<>?\\|", ".*=a1 -_"},
      {InputClass::ExtensionList, "\"./:;<>?\\|", ",*=a1 "},
      {InputClass::SingleExtension, "\",./:;<>?\\|", "*=a1"},
      {InputClass::Number, "a-+ .x", "0123456789"},
  };
  for (const auto& c : cases) {
    for (char ch : c.dropped)
      EXPECT_TRUE(DropsTypedCharacter(c.inputClass, static_cast<unsigned char>(ch))) << ch;
    for (char ch : c.kept)
      EXPECT_FALSE(DropsTypedCharacter(c.inputClass, static_cast<unsigned char>(ch))) << ch;
    EXPECT_FALSE(DropsTypedCharacter(c.inputClass, 0x08)) << "backspace";
  }
  EXPECT_FALSE(DropsTypedCharacter(InputClass::NameText, U'表'));
  EXPECT_TRUE(DropsTypedCharacter(InputClass::Number, U'１'));  // full-width digit
}

TEST(InputClasses, FieldsHaveTheirClassAndLimit) {
  EXPECT_EQ(InputOf(TextField::FrontPart).inputClass, InputClass::TemplateText);
  EXPECT_EQ(InputOf(TextField::DefaultFrontPart).inputClass, InputClass::NameText);
  EXPECT_EQ(InputOf(TextField::ProtectedTypes).inputClass, InputClass::ExtensionList);
  EXPECT_EQ(InputOf(TextField::DefaultNewExtension).maxChars, 5u);
  EXPECT_EQ(InputOf(TextField::StartNumber).maxChars, 8u);
  EXPECT_FALSE(InputOf(TextField::Increment).maxChars.has_value());
}

TEST(InputClasses, PastedTextIsFilteredAndCutToWholeCharacters) {
  const CodePage& sjis = CodePage::Cp932();
  const FieldInput extension = InputOf(TextField::NewExtension);
  EXPECT_EQ(FilterFieldText(extension, ".t/x,t", sjis), "txt");
  EXPECT_EQ(FilterFieldText(extension, "abcdefg", sjis), "abcde");
  // Five characters, one of them a double-byte kanji whose trail byte is a backslash.
  EXPECT_EQ(FilterFieldText(extension,
                            "a\x95\x5C"
                            "bcdef",
                            sjis),
            "a\x95\x5C"
            "bcd");
  EXPECT_EQ(FilterFieldText(InputOf(TextField::StartNumber), "0012x3456789", sjis), "00123456");
  EXPECT_EQ(FilterFieldText(InputOf(TextField::FrontPart), "a:b?c \x95\x5C", sjis), "abc \x95\x5C");
  // A name part keeps < > : for its tokens only; tokens do not nest.
  EXPECT_EQ(FilterFieldText(InputOf(TextField::Prefix), "a>b:<date:%Y<x>:", sjis), "ab<date:%Yx>");
}

}  // namespace
}  // namespace morvane::core
