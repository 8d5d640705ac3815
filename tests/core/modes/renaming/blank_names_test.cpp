// A file whose name is made only of blanks: every mode treats the whole name as the base
// name, so nothing is dropped and there is nothing to fail on.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/modes/numbering/sequence_name.h"
#include "core/modes/renaming/mode_names.h"
#include "core/names/path_rules.h"

namespace morvane::core {
namespace {

const CodePage& kUtf8 = CodePage::Utf8();
constexpr int kKeep = 0;
constexpr int kUpper = 1;
constexpr int kLower = 2;

NameEditSettings Edit(std::string a, std::string b, const char* newExtension = nullptr, int nameCase = kKeep,
                      int extensionCase = kKeep) {
  NameEditSettings settings;
  settings.stringA = std::move(a);
  settings.stringB = std::move(b);
  settings.changeExtension = newExtension != nullptr;
  if (newExtension != nullptr) settings.newExtensionText = newExtension;
  settings.nameCase = nameCase;
  settings.extensionCase = extensionCase;
  return settings;
}

TEST(BlankFileName, EveryModeKeepsTheBlanksAsTheBaseName) {
  using NewName = std::function<std::string(std::string_view)>;
  struct Case {
    const char* label;
    const char* name;
    NewName newName;
    const char* expected;
  };
  const Case cases[] = {
      {"extension change", "   ", [](auto n) { return ExtensionChangeName(n, "jpg", kUpper, kKeep, kUtf8); },
       "   .jpg"},
      {"extension change to none", " ",
       [](auto n) { return ExtensionChangeName(n, "", kLower, kLower, kUtf8); }, " "},
      {"case conversion", "   ", [](auto n) { return CaseConversionName(n, kUpper, kUpper, kUtf8); }, "   "},
      {"case conversion of a tab", "\t", [](auto n) { return CaseConversionName(n, kLower, kKeep, kUtf8); },
       "\t"},
      {"replacement of a blank", "   ", [](auto n) { return ReplacementName(n, Edit(" ", "_"), kUtf8); },
       "___"},
      {"replacement, no match", "\t ", [](auto n) { return ReplacementName(n, Edit("x", "y"), kUtf8); },
       "\t "},
      {"replacement with an extension", "  ",
       [](auto n) { return ReplacementName(n, Edit(" ", "-", "TXT", kUpper, kLower), kUtf8); }, "--.txt"},
      {"addition in front", "   ", [](auto n) { return AdditionName(n, Edit("p", ""), kUtf8); }, "p   "},
      {"addition on both sides", " \t", [](auto n) { return AdditionName(n, Edit("a_", "_b"), kUtf8); },
       "a_ \t_b"},
      {"addition with an extension", " ", [](auto n) { return AdditionName(n, Edit("p", "", "dat"), kUtf8); },
       "p .dat"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.newName(c.name), c.expected) << c.label;
  }
}

TEST(BlankFileName, OtherNamesKeepTheirRules) {
  // Blanks around a real name are part of it; only an all-blank path gives no base name.
  EXPECT_EQ(AdditionName("  a .txt ", Edit("p", ""), kUtf8), "p  a .txt ");
  EXPECT_EQ(AdditionName(" .txt", Edit("p", ""), kUtf8), "p .txt");
  EXPECT_EQ(CaseConversionName(" a.b ", kUpper, kUpper, kUtf8), " A.B ");
  EXPECT_EQ(ExtractBaseName("   ", PathSyntax::Posix, kUtf8), "");
}

TEST(BlankFileName, SequentialRenameTakesNoExtensionFromIt) {
  RunSettings settings;
  settings.renameInPlace = true;
  settings.frontPart = "img_";
  EXPECT_EQ(BuildNewPath("/d/   ", 7, 3, settings, PathSyntax::Posix, kUtf8), "/d/img_007");
  settings.changeExtension = true;
  settings.newExtensionText = "jpg";
  EXPECT_EQ(BuildNewPath("/d/   ", 7, 3, settings, PathSyntax::Posix, kUtf8), "/d/img_007.jpg");
}

}  // namespace
}  // namespace morvane::core
