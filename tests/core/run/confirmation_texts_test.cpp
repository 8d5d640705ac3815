#include "core/run/confirmation_texts.h"

#include <gtest/gtest.h>

namespace morvane::core {
namespace {

// One row per case; the expected texts are UTF-8 and converted to the code page under
// test, so each case runs in CP932 and in UTF-8.
struct Case {
  const char* what;
  RunSettings settings;
  const char* fileTypes;
  bool outputLog;
  ConfirmationTexts expected;
};

RunSettings Settings(SortType sortType, bool descending, int increment, bool changeExtension,
                     const char* newExtension, int nameCase, int extensionCase, bool renameInPlace) {
  RunSettings settings;
  settings.sortType = sortType;
  settings.descending = descending;
  settings.increment = increment;
  settings.changeExtension = changeExtension;
  settings.newExtensionText = newExtension;
  settings.nameCase = nameCase;
  settings.extensionCase = extensionCase;
  settings.renameInPlace = renameInPlace;
  return settings;
}

ConfirmationTexts Converted(const ConfirmationTexts& utf8, const CodePage& codePage) {
  return {codePage.FromUtf8(utf8.extension),       codePage.FromUtf8(utf8.preview),
          codePage.FromUtf8(utf8.sortType),        codePage.FromUtf8(utf8.increment),
          codePage.FromUtf8(utf8.changeExtension), codePage.FromUtf8(utf8.nameCase),
          codePage.FromUtf8(utf8.extensionCase),   codePage.FromUtf8(utf8.renameInPlace),
          codePage.FromUtf8(utf8.logOutput)};
}

void ExpectEqual(const ConfirmationTexts& actual, const ConfirmationTexts& expected,
                 const std::string& what) {
  EXPECT_EQ(actual.extension, expected.extension) << what;
  EXPECT_EQ(actual.preview, expected.preview) << what;
  EXPECT_EQ(actual.sortType, expected.sortType) << what;
  EXPECT_EQ(actual.increment, expected.increment) << what;
  EXPECT_EQ(actual.changeExtension, expected.changeExtension) << what;
  EXPECT_EQ(actual.nameCase, expected.nameCase) << what;
  EXPECT_EQ(actual.extensionCase, expected.extensionCase) << what;
  EXPECT_EQ(actual.renameInPlace, expected.renameInPlace) << what;
  EXPECT_EQ(actual.logOutput, expected.logOutput) << what;
}

TEST(MakeConfirmationTexts, FollowsTheRowRulesInBothCodePages) {
  const Case cases[] = {
      {"defaults",
       Settings(SortType::Name, false, 1, false, "jpg", 0, 0, false),
       "",
       false,
       {"すべてのファイル", "img_01.jpg", "名前（昇順）", "1", "変更なし", "無変換", "無変換", "未チェック",
        "未チェック"}},
      {"size descending, upper-case extension, in place, log",
       Settings(SortType::Size, true, 10, true, " jpg ", 1, 1, true),
       "jpg;png",
       true,
       {"jpg;png", "img_01.jpg", "サイズ（降順）", "10", "JPG に変更", "大文字に変換", "大文字に変換",
        "チェック", "チェック"}},
      {"blank new extension",
       Settings(SortType::ModifiedDate, false, 0, true, "   ", 2, 2, false),
       " ",
       false,
       {" ", "img_01.jpg", "更新日時（昇順）", "0", "拡張子なし に変更", "小文字に変換", "小文字に変換",
        "未チェック", "未チェック"}},
      {"multibyte extension keeps its trail bytes",
       Settings(SortType::UserOrder, false, 2, true, "ャb", 0, 1, false),
       "txt",
       false,
       {"txt", "img_01.jpg", "ユーザ指定（昇順）", "2", "ャB に変更", "無変換", "大文字に変換", "未チェック",
        "未チェック"}},
      {"extension order, lower case; unknown case index",
       Settings(SortType::Extension, true, 1, true, "TXT", 7, 2, false),
       "",
       false,
       {"すべてのファイル", "img_01.jpg", "拡張子（降順）", "1", "txt に変更", "無変換", "小文字に変換",
        "未チェック", "未チェック"}},
  };
  for (const CodePage* codePage : {&CodePage::Cp932(), &CodePage::Utf8()}) {
    for (const Case& c : cases) {
      RunSettings settings = c.settings;
      settings.newExtensionText = codePage->FromUtf8(settings.newExtensionText);
      const ConfirmationTexts actual =
          MakeConfirmationTexts(settings, codePage->FromUtf8(c.fileTypes), codePage->FromUtf8("img_01.jpg"),
                                c.outputLog, *codePage);
      ExpectEqual(actual, Converted(c.expected, *codePage), c.what);
    }
  }
}

}  // namespace
}  // namespace morvane::core
