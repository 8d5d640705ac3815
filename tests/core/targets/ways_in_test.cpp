#include "core/targets/ways_in.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace morvane::core {
namespace {

using Paths = std::vector<std::string>;
const CodePage& Utf8 = CodePage::Utf8();
const CodePage& Sjis = CodePage::Cp932();

TEST(FileDialogFilter, AllFilesOrTheWordsOfTheFileTypesField) {
  struct Case {
    std::string fieldText;
    std::string filter;
  } const cases[] = {
      {"", "すべてのファイル (*.*)|*.*"},
      {"すべてのファイル", "すべてのファイル (*.*)|*.*"},
      {"bmp,jpg", "ユーザー設定 (*.bmp;*.jpg)|*.bmp;*.jpg"},
      {"txt,,", "ユーザー設定 (*.txt)|*.txt"},
      {"*", "ユーザー設定 (*.*)|*.*"},
  };
  for (const Case& c : cases) EXPECT_EQ(FileDialogFilter(c.fieldText, Utf8), c.filter) << c.fieldText;
  EXPECT_EQ(FileDialogFilter(Sjis.FromUtf8("すべてのファイル"), Sjis),
            Sjis.FromUtf8("すべてのファイル (*.*)|*.*"));
}

TEST(UriList, PercentDecodesLocalFilesToTheirBytes) {
  const std::string list =
      "# dragged from a file manager\r\n"
      "file:///tmp/caf%E9.txt\r\n"          // Latin-1: not valid UTF-8, kept as the byte E9
      "file:///tmp/%E5%86%99%E7%9C%9F\r\n"  // UTF-8
      "file://localhost/tmp/a%20b\r\n"
      "file://here/tmp/on%2Fhost\r\n"
      "file://elsewhere/tmp/remote\r\n"
      "https://example.org/x\r\n"
      "FILE:/tmp/short%zz%4\n"
      "file:///tmp/query?x=1#frag\n"
      "file:///tmp/fragment#x?y\n"
      "\r\n"
      "file:relative\n";
  EXPECT_EQ(LocalPathsOfUriList(list, "here"),
            (Paths{"/tmp/caf\xE9.txt", "/tmp/写真", "/tmp/a b", "/tmp/on/host", "/tmp/short%zz%4",
                   "/tmp/query", "/tmp/fragment"}));
  EXPECT_EQ(LocalPathsOfUriList("file:///x", ""), Paths{"/x"});
  EXPECT_TRUE(LocalPathsOfUriList("", "here").empty());
}

}  // namespace
}  // namespace morvane::core
