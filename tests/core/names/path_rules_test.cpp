#include "core/names/path_rules.h"

#include <gtest/gtest.h>

#include <string>

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
