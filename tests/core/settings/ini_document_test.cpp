#include "core/settings/ini_document.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace morvane::core {
namespace {

using std::string_literals::operator""s;
const CodePage& Sjis = CodePage::Cp932();
const CodePage& Utf8 = CodePage::Utf8();

TEST(IniDocumentParse, EveryKindOfLineEndEndsALine) {
  const std::string cases[] = {
      "[A]\r\nx=1\r\n[B]\r\ny=2\r\n",
      "[A]\nx=1\n[B]\ny=2",
      "[A]\rx=1\r[B]\ry=2\r",
      "[A]\n\rx=1\r\r\n\n[B]\r\ny=2",
  };
  for (const std::string& bytes : cases) {
    const IniDocument document = IniDocument::Parse(bytes, Sjis);
    EXPECT_EQ(document.Get("A", "x"), "1") << bytes;
    EXPECT_EQ(document.Get("B", "y"), "2") << bytes;
    EXPECT_EQ(document.Get("A", "y"), std::nullopt) << bytes;
  }
}

TEST(IniDocumentParse, FindsSectionsAndKeysByTheirRules) {
  struct Case {
    std::string bytes;
    std::string section;
    std::string key;
    std::optional<std::string> value;
  } const cases[] = {
      {"[CopyFile]\r\nchkChgExt=1\r\n", "copyfile", "ChkChgExt", "1"},
      {"  [A] trailing\r\n  Key\t =v\r\n", "a", "KEY", "v"},
      {"[A]\r\nk= v \r\n", "A", "k", " v "},
      {"[A]\r\nk=a=b\r\n", "A", "k", "a=b"},
      {"[A]\r\nk=\r\n", "A", "k", ""},
      {"[A]\r\nk=1\r\nK=2\r\n", "A", "k", "1"},
      {"[A]\r\n[a]\r\nk=2\r\n", "A", "k", std::nullopt},  // only the first section counts
      {"k=0\r\n[A]\r\n", "A", "k", std::nullopt},
      {"[A\r\nk=1\r\n", "A", "k", std::nullopt},                 // no ']': opens no section
      {"[\x83\x5D]\r\nk=1\r\n", "\x83\x5D", "k", "1"},           // the trail byte of this character is ']'
      {"[A]\r\n\x83\x61=1\r\n", "A", "\x83\x41", std::nullopt},  // trail bytes are never case-folded
      {"[A]\r\n\x83\x61=1\r\n", "A", "\x83\x61", "1"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IniDocument::Parse(c.bytes, Sjis).Get(c.section, c.key), c.value) << c.bytes;
  }
}

TEST(IniDocumentSerialize, KeepsWhatItDoesNotUnderstandByteForByte) {
  const std::string original =
      "; hand-written\r\nstray=1\r\n\xFF\x00\x81\r\n[A]\r\nno equals\r\n\r\nx=1\r\n"s;
  IniDocument document = IniDocument::Parse(original, Sjis);
  EXPECT_EQ(document.Serialize(), original);
  document.Set("A", "x", "2");
  EXPECT_EQ(document.Serialize(),
            "; hand-written\r\nstray=1\r\n\xFF\x00\x81\r\n[A]\r\nno equals\r\n\r\nx=2\r\n"s);
  EXPECT_EQ(IniDocument::Parse("[A]\nx=1", Sjis).Serialize(), "[A]\r\nx=1\r\n");
  EXPECT_EQ(IniDocument::Parse("", Sjis).Serialize(), "");
}

TEST(IniDocumentSet, ChangesInPlaceOrAddsWhereTheSectionEnds) {
  struct Case {
    std::string before;
    std::string section;
    std::string key;
    std::string value;
    std::string after;
  } const cases[] = {
      {"[a]\r\nChkChgExt=0\r\n", "A", "chkChgExt", "1", "[a]\r\nChkChgExt=1\r\n"},
      {"[A]\r\n  k  = old\r\n", "A", "K", "new ", "[A]\r\n  k  =new \r\n"},
      {"[A]\r\nx=1\r\n\r\n[B]\r\n", "A", "y", "2", "[A]\r\nx=1\r\ny=2\r\n\r\n[B]\r\n"},
      {"[A]\r\n; note\r\n[B]\r\n", "A", "k", "v", "[A]\r\nk=v\r\n; note\r\n[B]\r\n"},
      {"[A]\r\nx=1", "A", "y", "2", "[A]\r\nx=1\r\ny=2\r\n"},
      {"top\r\n", "S", "k", "v", "top\r\n[S]\r\nk=v\r\n"},
      {"", "S", "k", "a\r\nb=c", "[S]\r\nk=a\r\n"},  // a line end would inject a line
      {"[S]\r\nk=1\r\n", "S", "k", "x\ry", "[S]\r\nk=x\r\n"},
  };
  for (const auto& c : cases) {
    IniDocument document = IniDocument::Parse(c.before, Sjis);
    document.Set(c.section, c.key, c.value);
    EXPECT_EQ(document.Serialize(), c.after) << c.before;
  }
}

TEST(IniDocumentErase, RemovesEverySectionOfThatName) {
  IniDocument document = IniDocument::Parse("top\r\n[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n[a]\r\nz=3\r\n", Sjis);
  document.EraseSection("Q");
  document.EraseSection("A");
  EXPECT_EQ(document.Serialize(), "top\r\n[B]\r\ny=2\r\n");
  document.Set("A", "x", "4");
  EXPECT_EQ(document.Get("A", "x"), "4");
}

// Damaged content between two sections costs at most its own lines.
TEST(IniDocumentParse, MalformedContentKeepsTheOtherKeys) {
  const std::string longLine(100 * 1024, 'x');
  const std::string damage[] = {
      "\x00\x01\xFF\xFE garbage \x00=\x00"s,
      "[Mid]\r\nlone=abc\x82",
      "no equals sign at all",
      longLine,
      "big=" + longLine,
      "[Mid]\rcr=only\rline=ends",
      "[\r\n]\r\n=\r\n[]\r\n=nokey",
      "\x81",
  };
  for (const CodePage* codePage : {&Sjis, &Utf8}) {
    for (const std::string& bad : damage) {
      const std::string bytes = "[Good]\r\na=1\r\n" + bad + "\r\n[Good2]\r\nb=2\r\n";
      IniDocument document = IniDocument::Parse(bytes, *codePage);
      document.Set("Good2", "c", "3");
      const IniDocument reread = IniDocument::Parse(document.Serialize(), *codePage);
      EXPECT_EQ(reread.Get("Good", "a"), "1") << codePage->Name() << " " << bad.substr(0, 40);
      EXPECT_EQ(reread.Get("Good2", "b"), "2") << codePage->Name() << " " << bad.substr(0, 40);
      EXPECT_EQ(reread.Get("Good2", "c"), "3") << codePage->Name() << " " << bad.substr(0, 40);
    }
  }
}

TEST(IniDocumentParse, ValuesOfDamagedLinesComeBackAsStored) {
  IniDocument document = IniDocument::Parse("[Mid]\r\nlone=abc\x82\r\nnext=1\r\n", Sjis);
  EXPECT_EQ(document.Get("Mid", "lone"), "abc\x82");
  EXPECT_EQ(document.ReadString("Mid", "lone", ""), "abc\x82");
  EXPECT_EQ(document.Get("Mid", "next"), "1");
  const std::string longValue(100 * 1024, 'v');
  EXPECT_EQ(IniDocument::Parse("[S]\nk=" + longValue, Utf8).Get("S", "k"), longValue);
}

}  // namespace
}  // namespace morvane::core
