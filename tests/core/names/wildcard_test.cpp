#include "core/names/wildcard.h"

#include <gtest/gtest.h>

#include <string>

namespace morvane::core {
namespace {

TEST(MatchesWildcard, StarsQuestionMarksAndCaseInBothCodePages) {
  struct Case {
    std::string pattern;
    std::string name;
    bool sjis;
    bool utf8;
  } const cases[] = {
      {"*.*", "README", true, true},
      {"*", "", true, true},
      {"*", "\x81", true, true},  // a lone lead byte
      {"**.*", "a.b", true, true},
      {".*", "a.b", false, false},
      {".*", ".b", true, true},
      {"*.**", "ab", false, false},  // stars after the dot: that dot must be there
      {"*.**", "a.b", true, true},
      {"*.*", ".bashrc", true, true},
      {"*.*", "a.b.c", true, true},
      {"*.txt", "A.TXT", true, true},
      {"*.TXT", "a.txt", true, true},
      {"*.txt", ".txt", true, true},
      {"*.txt", "a.txt.bak", false, false},
      {"*.txt", "txt", false, false},
      {"*.jpg", "photo.jpeg", false, false},
      {"*.t?t", "a.tXt", true, true},
      {"*.t?t", "a.tt", false, false},
      {"a*b*c", "aXbYbZc", true, true},
      {"a*b", "aXbY", false, false},
      {"a*.*", "abc", true, true},  // a trailing ".*" may match nothing
      {"a*.*", "xbc", false, false},
      {"caf?.txt", "caf\xE9.txt", false, true},  // in CP932 0xE9 takes the dot with it
      {"?", "\xC3\xA9", false, true},            // one UTF-8 character, two CP932 ones
      {"??", "\xC3\xA9", true, false},
      {"?.txt", "\x95\x5C.txt", true, false},      // one CP932 character
      {"*\x5C", "\x95\x5C", false, true},          // a trail byte is not a character of its own
      {"*.\x82\x61", "x.\x82\x41", false, true},   // CP932 trail bytes are never case-folded
      {"*.\xC3\xA9", "x.\xC3\x89", false, false},  // only ASCII letters fold
      {"\x81.*", "\x81", false, true},             // in CP932 that '.' is inside a character
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MatchesWildcard(c.pattern, c.name, CodePage::Cp932()), c.sjis) << c.pattern << " / " << c.name;
    EXPECT_EQ(MatchesWildcard(c.pattern, c.name, CodePage::Utf8()), c.utf8) << c.pattern << " / " << c.name;
  }
}

}  // namespace
}  // namespace morvane::core
