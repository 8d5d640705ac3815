#include "core/names/path_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace morvane::core {
namespace {

const CodePage& Sjis = CodePage::Cp932();
const CodePage& Utf8 = CodePage::Utf8();
constexpr auto Win = PathSyntax::Windows;
constexpr auto Posix = PathSyntax::Posix;

const std::string kHyo = "\x95\x5C";  // a kanji whose trail byte is a backslash

struct SplitCase {
  const char* label;
  PathSyntax syntax;
  const CodePage* page;
  std::string path;
  std::string fileName;
  std::string extension;
  std::string folder;
  std::string baseName;
};

TEST(PathSplitting, FileNameExtensionFolderAndBaseName) {
  const std::string longName = std::string(300, 'n');
  const SplitCase cases[] = {
      {"kanji before the extension", Win, &Sjis, "C:\\dir\\" + kHyo + ".txt", kHyo + ".txt", ".txt",
       "C:\\dir", kHyo},
      {"trail byte is no separator", Win, &Sjis, "C:\\" + kHyo + "\\file", "file", "", "C:\\" + kHyo, "file"},
      {"name ending in the kanji", Win, &Sjis, "C:\\dir\\" + kHyo, kHyo, "", "C:\\dir", kHyo},
      {"file at the drive root", Win, &Sjis, "C:\\file", "file", "", "C:\\", "file"},
      {"dot in a folder name", Win, &Sjis, "C:\\dir.x\\file", "file", "", "C:\\dir.x", "file"},
      {"lone dot", Win, &Sjis, "file.", "file.", ".", "", "file"},
      {"dot file", Win, &Sjis, ".profile", ".profile", ".profile", "", ""},
      {"two dots", Win, &Sjis, "report.final.doc", "report.final.doc", ".doc", "", "report.final"},
      {"drive only", Win, &Sjis, "C:", "", "", "C:", ""},
      {"drive-relative", Win, &Sjis, "C:file.txt", "file.txt", ".txt", "C:", "file"},
      {"server share", Win, &Sjis, "\\\\server", "server", "", "\\\\", "server"},
      {"lone lead byte at the end", Win, &Sjis, "C:\\a.\x95", "a.\x95", ".\x95", "C:\\", "a"},
      {"posix file", Posix, &Utf8, "/home/u/archive.tar.gz", "archive.tar.gz", ".gz", "/home/u",
       "archive.tar"},
      {"posix root file", Posix, &Utf8, "/file.txt", "file.txt", ".txt", "/", "file"},
      {"posix relative", Posix, &Utf8, "file.txt", "file.txt", ".txt", "", "file"},
      {"posix trailing slash", Posix, &Utf8, "/dir/", "", "", "/dir", ""},
      {"posix backslash is a name byte", Posix, &Utf8, "/a\\b.c", "a\\b.c", ".c", "/", "a\\b"},
      {"posix colon is a name byte", Posix, &Utf8, "/x/c:d.e", "c:d.e", ".e", "/x", "c:d"},
      {"posix latin-1 name", Posix, &Utf8, "/d/caf\xE9.txt", "caf\xE9.txt", ".txt", "/d", "caf\xE9"},
      {"empty", Posix, &Utf8, "", "", "", "", ""},
      {"blanks", Posix, &Utf8, "   ", "   ", "", "", ""},
      {"name over 255 bytes", Posix, &Utf8, "/d/" + longName + ".jpeg", longName + ".jpeg", ".jpeg", "/d",
       longName},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExtractFileName(c.path, c.syntax, *c.page), c.fileName) << c.label;
    EXPECT_EQ(ExtractFileExt(c.path, c.syntax, *c.page), c.extension) << c.label;
    EXPECT_EQ(FolderPart(c.path, c.syntax, *c.page), c.folder) << c.label;
    EXPECT_EQ(ExtractBaseName(c.path, c.syntax, *c.page), c.baseName) << c.label;
  }
}

TEST(LastDelimiter, SkipsTrailBytes) {
  EXPECT_EQ(LastDelimiter("\\", kHyo, Sjis), 0u);
  EXPECT_EQ(LastDelimiter("\\", "a\\" + kHyo, Sjis), 2u);
  EXPECT_EQ(LastDelimiter(".\\", "a.b\\c", Sjis), 4u);
  EXPECT_EQ(LastDelimiter("/", "", Utf8), 0u);
  // Under UTF-8 the same bytes are two characters, the second of them a backslash.
  EXPECT_EQ(LastDelimiter("\\", kHyo, Utf8), 2u);
}

// The position LastDelimiter must give, found the slow way: walk the text one whole
// character at a time from its start and keep the last one-byte delimiter.
std::size_t LastDelimiterByWalking(std::string_view delimiters, std::string_view text, const CodePage& page) {
  std::size_t last = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = page.CharLength(text, pos);
    if (length == 1 && delimiters.find(text[pos]) != std::string_view::npos) last = pos + 1;
    pos += length;
  }
  return last;
}

// Paths whose bytes look like delimiters where they are none, in one code page or the
// other.
std::vector<std::string> TrickyPaths() {
  const std::string kanji = "\xE6\x97\xA5\xE6\x9C\xAC";  // two UTF-8 characters
  const std::string so = "\x83\x5C";                     // CP932 katakana, trail byte 0x5C
  const std::string slashTrail = "\x81\x2F";             // CP932 lead byte followed by '/'
  return {
      "",
      "/",
      "//",
      "/dir/",
      "/dir//",
      "file",
      ".profile",
      "/home/u/archive.tar.gz",
      "/d.x/file",
      "a.b.",
      "/d/" + kanji + "/" + kanji + ".txt",
      "/d/" + kanji,
      kanji + ".",
      "/d/caf\xC3\xA9.txt",
      "/d/caf\xE9.txt",           // Latin-1 byte: no UTF-8 character
      "\xE6/x",                   // a UTF-8 lead byte cut short by a separator
      "\xF0\x9F\x98\x80/\xF0.z",  // a four-byte character, then a cut one
      "//file",
      "C:\\",
      "C:\\file",
      "\\\\server\\share",
      "C:\\" + kHyo + "\\\\",
      "C:\\" + kHyo,
      "C:\\" + kHyo + "\\",
      "C:\\" + kHyo + "\\file.txt",
      kHyo + kHyo,
      "\\" + so + so + "." + so,
      "a" + slashTrail + "b",
      "/d/" + slashTrail,
      "\x95",  // a lead byte that is the last byte stands alone
      "x\\\x95",
      "\x95\\\x95\\",
      "\x81\x81\\",  // the second lead byte is the trail of the first
      "\x81\x81\x81\\",
  };
}

TEST(LastDelimiter, AgreesWithAWalkFromTheStart) {
  const std::string_view delimiterSets[] = {"/", "\\", "\\:", "./", ".\\:", ":"};
  for (const CodePage* page : {&Utf8, &Sjis}) {
    for (const std::string& text : TrickyPaths()) {
      for (const std::string_view delimiters : delimiterSets) {
        EXPECT_EQ(LastDelimiter(delimiters, text, *page), LastDelimiterByWalking(delimiters, text, *page))
            << page->Name() << " delimiters \"" << delimiters << "\" text \"" << text << '"';
      }
    }
  }
}

TEST(PathSplitting, TrailingSeparatorsAgreeWithAWalkFromTheStart) {
  for (const CodePage* page : {&Utf8, &Sjis}) {
    for (const PathSyntax syntax : {Posix, Win}) {
      const std::string_view delimiters = PathDelimiters(syntax);
      const std::string_view separator = delimiters.substr(0, 1);
      for (const std::string& path : TrickyPaths()) {
        const bool endsWithSeparator =
            !path.empty() && LastDelimiterByWalking(separator, path, *page) == path.size();
        // The folder keeps its last separator only when the byte before it is a
        // delimiter of its own (a root).
        std::size_t end = LastDelimiterByWalking(delimiters, path, *page);
        if (end > 1 && path[end - 1] == separator[0] &&
            LastDelimiterByWalking(delimiters, std::string_view(path).substr(0, end - 1), *page) != end - 1) {
          --end;
        }
        EXPECT_EQ(EndsWithSeparator(path, syntax, *page), endsWithSeparator) << page->Name() << ' ' << path;
        EXPECT_EQ(FolderPart(path, syntax, *page), path.substr(0, end)) << page->Name() << ' ' << path;
      }
    }
  }
}

TEST(LastDelimiter, NonAsciiDelimiterIsNeverAByteInsideACharacter) {
  // 0x95 is the middle byte of this UTF-8 character and a CP932 lead byte.
  const std::string text = "a\xE6\x95\x85";
  EXPECT_EQ(LastDelimiter("\x95", text, Utf8), 0u);
  EXPECT_EQ(LastDelimiter("\x95", text + "\x95", Utf8), 5u);
  // Under CP932 the lead byte 0xE6 takes 0x95 with it.
  EXPECT_EQ(LastDelimiter("\x95", text, Sjis), 0u);
}

TEST(ChangeFileExt, ReplacesOrAppends) {
  struct Case {
    PathSyntax syntax;
    std::string path;
    std::string extension;
    std::string expected;
  } const cases[] = {
      {Win, "C:\\dir\\a.txt", ".bak", "C:\\dir\\a.bak"},
      {Win, "C:\\dir.x\\file", ".bak", "C:\\dir.x\\file.bak"},
      {Win, "file.", ".txt", "file.txt"},
      {Win, kHyo, ".txt", kHyo + ".txt"},
      {Win, "a.tar.gz", "", "a.tar"},
      {Win, "C:\\Morvane.exe", ".INI", "C:\\Morvane.INI"},
      {Posix, "/d.x/file", ".y", "/d.x/file.y"},
      {Posix, "", ".y", ".y"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ChangeFileExt(c.path, c.extension, c.syntax, Sjis), c.expected) << c.path;
}

TEST(JoinPath, AddsOneSeparatorOnlyWhereNeeded) {
  EXPECT_EQ(JoinPath("/", "x", Posix, Utf8), "/x");
  EXPECT_EQ(JoinPath("/a", "x", Posix, Utf8), "/a/x");
  EXPECT_EQ(JoinPath("/a/", "x", Posix, Utf8), "/a/x");
  EXPECT_EQ(JoinPath("", "x", Posix, Utf8), "x");
  EXPECT_EQ(JoinPath("C:\\", "x", Win, Sjis), "C:\\x");
  // The kanji ends in 0x5C but is no separator.
  EXPECT_EQ(JoinPath("C:\\" + kHyo, "x", Win, Sjis), "C:\\" + kHyo + "\\x");
}

}  // namespace
}  // namespace morvane::core
