#include "core/text/visible_name.h"

#include <gtest/gtest.h>

#include <string>

namespace morvane::core {
namespace {

const CodePage& Sjis = CodePage::Cp932();
const CodePage& Utf8 = CodePage::Utf8();

struct EscapeCase {
  const char* label;
  std::string name;
  std::string expected;
};

void ExpectEscapes(const CodePage& codePage, std::initializer_list<EscapeCase> cases) {
  for (const EscapeCase& c : cases) EXPECT_EQ(VisibleName(c.name, codePage), c.expected) << c.label;
}

TEST(VisibleName, NamesWithoutControlCharactersKeepTheirBytes) {
  for (const CodePage* codePage : {&Sjis, &Utf8}) {
    ExpectEscapes(*codePage, {
                                 {"empty", "", ""},
                                 {"plain path", "/home/me/a b.txt", "/home/me/a b.txt"},
                                 {"backslash and apostrophe", "it's a\\b.txt", "it's a\\b.txt"},
                                 {"text that looks like an escape", "a\\nb\\x0A", "a\\nb\\x0A"},
                                 {"quoted form inside a path", "/d/$'a\\n'", "/d/$'a\\n'"},
                                 {"dollar alone", "$a", "$a"},
                                 {"high bytes", "\xE9\x95\x5C\xFF", "\xE9\x95\x5C\xFF"},
                             });
  }
}

TEST(VisibleName, EveryControlCharacterIsQuoted) {
  for (const CodePage* codePage : {&Sjis, &Utf8}) {
    ExpectEscapes(*codePage, {
                                 {"CR LF", "y\r\nFORGED", "$'y\\r\\nFORGED'"},
                                 {"TAB", "a\tb", "$'a\\tb'"},
                                 {"ESC", "a\x1B[31m", "$'a\\x1B[31m'"},
                                 {"NUL", std::string("a\0b", 3), "$'a\\x00b'"},
                                 {"unit separator", "\x1F", "$'\\x1F'"},
                                 {"DEL", "a\x7F", "$'a\\x7F'"},
                                 {"space is no control character", "a b\n", "$'a b\\n'"},
                             });
  }
}

TEST(VisibleName, QuotedNamesEscapeBackslashesAndApostrophes) {
  for (const CodePage* codePage : {&Sjis, &Utf8}) {
    ExpectEscapes(*codePage,
                  {
                      {"escape-like text", "a\\n\n", "$'a\\\\n\\n'"},
                      {"apostrophe", "it's\n", "$'it\\'s\\n'"},
                      {"plain name that starts like the quoted form", "$'a\\n'", "$'$\\'a\\\\n\\''"},
                  });
  }
}

TEST(VisibleName, Cp932CharactersStayWhole) {
  ExpectEscapes(Sjis, {
                          // 表 and ソ end in 0x5C, which is no backslash inside them.
                          {"trail byte 0x5C", "\x95\x5C\x83\x5C\n", "$'\x95\x5C\x83\x5C\\n'"},
                          {"half-width katakana", "\xB1\t", "$'\xB1\\t'"},
                          {"lead byte before a control byte", "\x95\n", "$'\\x95\\n'"},
                          {"lead byte before an apostrophe", "\x95'\n", "$'\\x95\\'\\n'"},
                          {"lead byte before DEL", "\x95\x7F", "$'\\x95\\x7F'"},
                          {"lone lead byte at the end", "\n\x95", "$'\\n\\x95'"},
                          {"byte that is no character", "\n\xFD\xA0", "$'\\n\\xFD\\xA0'"},
                      });
}

TEST(VisibleName, Utf8CharactersStayWhole) {
  ExpectEscapes(Utf8, {
                          {"kanji", "\xE6\x96\x87\xE5\xAD\x97\r", "$'\xE6\x96\x87\xE5\xAD\x97\\r'"},
                          {"four bytes", "\xF0\x9F\x98\x80\n", "$'\xF0\x9F\x98\x80\\n'"},
                          {"invalid byte", "caf\xE9\n", "$'caf\\xE9\\n'"},
                          {"truncated sequence", "\n\xE6\x96", "$'\\n\\xE6\\x96'"},
                          // Half-width katakana bytes are no UTF-8 characters.
                          {"byte in the katakana range", "\xB1\n", "$'\\xB1\\n'"},
                      });
}

}  // namespace
}  // namespace morvane::core
