#include "core/modes/name_template.h"

#include <gtest/gtest.h>

#include "core/time/local_time.h"

namespace morvane::core {
namespace {

TEST(NameTemplate, RefusesWhatItCannotMakeNamingTheToken) {
  using Kind = TemplateError::Kind;
  const struct {
    const char* text;
    Kind kind;
    const char* named;
  } cases[] = {
      {"a<foo>b", Kind::UnknownToken, "<foo>"},
      {"<name:x>", Kind::UnknownToken, "<name:x>"},
      {"<date>", Kind::BadFormat, "<date>"},
      {"<date:%Q>", Kind::BadFormat, "<date:%Q>"},
      {"<date:%Y%>", Kind::BadFormat, "<date:%Y%>"},
      {"<date:%H:%M>", Kind::BadFormat, "<date:%H:%M>"},  // no colon in a name
      {"<date:%Y/%m>", Kind::BadFormat, "<date:%Y/%m>"},
      {"x_<name", Kind::Unclosed, "<name"},
      {"a>b", Kind::Stray, ">"},
  };
  for (const auto& c : cases) {
    const auto parsed = NameTemplate::Parse(c.text);
    const TemplateError* error = std::get_if<TemplateError>(&parsed);
    ASSERT_NE(error, nullptr) << c.text;
    EXPECT_EQ(error->kind, c.kind) << c.text;
    EXPECT_EQ(error->text, c.named) << c.text;
    EXPECT_NE(TemplateErrorMessage(*error).find(c.named), std::string::npos) << c.text;
  }
}

TEST(NameTemplate, MakesEachFilesOwnText) {
  const FileTime modified = FromLocalDateTime({2020, 3, 29, 8, 5, 9});
  const FileTime taken = FromLocalDateTime({2019, 12, 31, 23, 59, 58});
  const struct {
    const char* text;
    const char* path;
    const char* made;
  } cases[] = {
      {"plain", "/a/b.c", "plain"},
      {"<name>_", "/trip/photo.tar.gz", "photo.tar_"},
      {"<ext>", "/trip/photo.tar.gz", "gz"},
      {"[<ext>]", "/trip/README", "[]"},
      {"<name>", "/trip/   ", "   "},  // a name of blanks is all base name
      {"<parent>-<name>", "/旅行/写真.jpg", "旅行-写真"},
      {"<parent>", "/top.txt", ""},
      {"<date:%Y-%m-%d %H.%M.%S %%>", "/a/b.c", "2020-03-29 08.05.09 %"},
      {"<taken:%Y%m%d>_<date:%d>", "/a/b.c", "20191231_29"},
      {"日付<taken:%m月%d日>", "/a/b.c", "日付12月31日"},
  };
  for (const auto& c : cases) {
    const auto parsed = NameTemplate::Parse(c.text);
    ASSERT_TRUE(std::holds_alternative<NameTemplate>(parsed)) << c.text;
    EXPECT_EQ(std::get<NameTemplate>(parsed).Expand({c.path, modified, taken}), c.made) << c.text;
  }
}

TEST(NameTemplate, FindsTokensByWholeCharactersInShiftJis) {
  const CodePage& sjis = CodePage::Cp932();
  // 表 is 0x95 0x5C; the folder and name hold it, the template too.
  const auto parsed = NameTemplate::Parse("\x95\x5C<parent>", sjis);
  ASSERT_TRUE(std::holds_alternative<NameTemplate>(parsed));
  EXPECT_EQ(std::get<NameTemplate>(parsed).Expand({"/x\x95\x5C/a.txt"}, sjis), "\x95\x5Cx\x95\x5C");
}

TEST(NameTemplate, CaseLeavesTokensAsTyped) {
  EXPECT_EQ(ApplyCaseOutsideTokens("ab<name>cd<date:%Y>", 1), "AB<name>CD<date:%Y>");
  EXPECT_EQ(ApplyCaseOutsideTokens("AB<ext>", 2), "ab<ext>");
}

}  // namespace
}  // namespace morvane::core
