#include "core/settings/history.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/posix_file_system.h"
#include "support/temp_folder.h"

namespace morvane::core {
namespace {

using Items = std::vector<std::string>;
const CodePage& Sjis = CodePage::Cp932();
const std::string kNotSpecified = "\x8E\x77\x92\xE8\x82\xC8\x82\xB5";  // 指定なし in CP932
const std::string kAllFiles = "\x82\xB7\x82\xD7\x82\xC4\x82\xCC\x83\x74\x83\x40\x83\x43\x83\x8B";

TEST(HistoryRead, StopsAtGapsAndLeavesMarkersOut) {
  struct Case {
    const char* name;
    keys::HistoryKey history;
    std::string lines;  // of the history's section
    Items items;
    std::string text;
  } const cases[] = {
      {"marker first",
       keys::kCopyFileKyotsuName,
       "KyotsuName0=" + kNotSpecified + "\r\nKyotsuName1=abc\r\n",
       {"abc"},
       ""},
      {"all-files marker",
       keys::kCopyFileExtension,
       "Extension0=" + kAllFiles + "\r\nExtension1=txt\r\n",
       {"txt"},
       ""},
      {"gap", keys::kCopyFileChgExt, "ChgExt0=jpg\r\nChgExt2=png\r\n", {"jpg"}, "jpg"},
      {"empty entry", keys::kCopyFileChgExt, "ChgExt0=jpg\r\nChgExt1=\r\nChgExt2=png\r\n", {"jpg"}, "jpg"},
      {"back part, not front", keys::kCopyFileKyotsuName2, "KyotsuName1=x\r\nKyotsuName20=b\r\n", {"b"}, "b"},
      {"starts at 3",
       keys::kCopyFileStartSeqNbr,
       "StartSeqNbr0=9\r\nStartSeqNbr3=5\r\nStartSeqNbr4=7\r\n",
       {"5", "7"},
       "5"},
      {"marker later",
       keys::kCopyFileKyotsuName,
       "KyotsuName0=a\r\nKyotsuName1=" + kNotSpecified + "\r\n",
       {"a"},
       "a"},
      {"marker only counts where declared",
       keys::kCopyFileChgExt,
       "ChgExt0=" + kNotSpecified + "\r\n",
       {kNotSpecified},
       kNotSpecified},
      {"last number", keys::kHistoryFolder, "Folder14=z\r\n", {}, ""},
  };
  for (const auto& c : cases) {
    const std::string bytes = "[" + std::string(c.history.section) + "]\r\n" + c.lines;
    const LoadedHistory loaded = ReadHistory(IniDocument::Parse(bytes, Sjis), c.history, Sjis);
    EXPECT_EQ(loaded.items, c.items) << c.name;
    EXPECT_EQ(loaded.text, c.text) << c.name;
  }
}

TEST(HistoryRead, ReadsUpToTheLastNumberOnly) {
  IniDocument document(Sjis);
  for (int n = 0; n <= 20; ++n) document.Set("History", HistoryKeyName("Folder", n), "f" + std::to_string(n));
  EXPECT_EQ(ReadHistory(document, keys::kHistoryFolder, Sjis).items.size(), 15u);
}

TEST(HistoryWrite, RoundTripsThroughTheFile) {
  test::TempFolder folder;
  platform::PosixFileSystem fileSystem;
  SettingsStore store(folder.Path("M.INI"), Sjis, fileSystem);
  const Items items = {kNotSpecified, "b ", "c"};
  WriteHistory(store, keys::kChgStrChgStr2, items);
  EXPECT_EQ(folder.ReadFile("M.INI"),
            "[ChgStr]\r\nChgStr20=" + kNotSpecified + "\r\nChgStr21=b \r\nChgStr22=c\r\n");
  const LoadedHistory loaded = ReadHistory(store, keys::kChgStrChgStr2);
  EXPECT_EQ(loaded.items, (Items{"b ", "c"}));
  EXPECT_EQ(loaded.text, "");
  EXPECT_EQ(ReadHistory(store, keys::kChgStrChgStr).items, Items{});
}

TEST(HistoryWrite, WritesAtMostCountAndLeavesLaterEntries) {
  IniDocument document(Sjis);
  document.Set("Setting", "GuaudExtUser", "keep");
  document.Set("Setting", "GuaudExtUser3", "old");
  WriteHistory(document, keys::kGuaudExtUserHistory, {"x"});
  EXPECT_EQ(ReadHistory(document, keys::kGuaudExtUserHistory, Sjis).items, Items{"x"});  // 2 is missing
  EXPECT_EQ(document.Get("Setting", "GuaudExtUser3"), "old");
  Items many;
  for (int i = 0; i < 12; ++i) many.push_back("e" + std::to_string(i));
  WriteHistory(document, keys::kGuaudExtUserHistory, many);
  EXPECT_EQ(document.Get("Setting", "GuaudExtUser10"), "e9");
  EXPECT_EQ(document.Get("Setting", "GuaudExtUser11"), std::nullopt);
  EXPECT_EQ(document.Get("Setting", "GuaudExtUser"), "keep");
  EXPECT_EQ(ReadHistory(document, keys::kGuaudExtUserHistory, Sjis).items.size(), 10u);
}

}  // namespace
}  // namespace morvane::core
