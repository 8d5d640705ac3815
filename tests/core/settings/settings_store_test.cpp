#include "core/settings/settings_store.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <iterator>
#include <optional>
#include <string>

#include "core/settings/ini_value.h"
#include "core/settings/log_settings.h"
#include "platform/posix_file_system.h"
#include "support/temp_folder.h"

namespace morvane::core {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;
const CodePage& Sjis = CodePage::Cp932();
const CodePage& Utf8 = CodePage::Utf8();

// The stores of these tests work on this computer's files.
platform::PosixFileSystem& Files() {
  static platform::PosixFileSystem fileSystem;
  return fileSystem;
}

std::ptrdiff_t FileCount(const std::string& folder) {
  return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
}

TEST(IniInteger, DecimalOrHexadecimalOrNothing) {
  struct Case {
    const char* text;
    std::optional<int> value;
  } const cases[] = {
      {"0x3", 3},
      {"0X1f", 31},
      {"-5", -5},
      {"+5", 5},
      {" 7 ", 7},
      {"\t007\r", 7},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
      {"0x7FFFFFFF", INT_MAX},
      {"yes", {}},
      {"12abc", {}},
      {"", {}},
      {"  ", {}},
      {"-", {}},
      {"0x", {}},
      {"0x-1", {}},
      {"-0x1", {}},
      {"--5", {}},
      {"- 5", {}},
      {"1 2", {}},
      {"2147483648", {}},
      {"-2147483649", {}},
      {"0x80000000", {}},
      {"99999999999999999999999", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseIniInteger(c.text), c.value) << '"' << c.text << '"';
}

TEST(SettingsStoreRead, IntegersAndBooleansFallBackToTheDefault) {
  TempFolder folder;
  folder.WriteFile("M.INI", "[Setting]\r\nSeqNbrSort=0x3\r\nSortDse=yes\r\nA=2\r\nB=-1\r\nC=0\r\nD=\r\n");
  const SettingsStore store(folder.Path("M.INI"), Sjis, Files());
  EXPECT_EQ(store.Read(keys::kSettingSeqNbrSort), 3);
  EXPECT_FALSE(store.Read(keys::kSettingSortDse));
  struct Case {
    const char* key;
    bool defaultValue;
    bool expected;
  } const cases[] = {
      {"SortDse", true, true}, {"A", false, true},  {"B", false, true}, {"C", true, false},
      {"D", true, true},       {"D", false, false}, {"Z", true, true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(store.Load().ReadBool("Setting", c.key, c.defaultValue), c.expected) << c.key;
  EXPECT_EQ(store.Load().ReadInteger("Setting", "SortDse", 9), 9);
}

TEST(SettingsStoreRead, StringsAreCutToWholeCharacters) {
  struct Case {
    const CodePage* codePage;
    std::string value;
    std::size_t expectedLength;
  } const cases[] = {
      {&Sjis, std::string(1500, 'a'), 1023},
      {&Sjis, std::string(1023, 'a'), 1023},
      {&Sjis, std::string(1022, 'a') + "\x82\xA0", 1022},  // the character would straddle the cut
      {&Sjis, std::string(1021, 'a') + "\x82\xA0", 1023},
      {&Utf8, std::string(1021, 'a') + "\xE3\x81\x82", 1021},
  };
  for (const auto& c : cases) {
    TempFolder folder;
    folder.WriteFile("M.INI", "[S]\r\nk=" + c.value + "\r\n");
    const std::string read =
        SettingsStore(folder.Path("M.INI"), *c.codePage, Files()).Load().ReadString("S", "k", "");
    EXPECT_EQ(read, c.value.substr(0, c.expectedLength)) << c.value.size();
  }
}

TEST(SettingsStoreRead, MissingFileGivesEveryDefaultAndStaysMissing) {
  TempFolder folder;
  SettingsStore store(folder.Path("M.INI"), Sjis, Files());
  EXPECT_EQ(store.Read(keys::kSettingZoubun), "1");
  EXPECT_TRUE(store.Read(keys::kGuaudExtDAT));
  EXPECT_TRUE(store.Read(keys::kChgStrStrAULCase));
  EXPECT_EQ(store.Read(keys::kWindowLeft), 0);
  EXPECT_EQ(store.Load().ReadString("Setting", "Nothing", "dflt"), "dflt");
  const LogSettings log = ReadLogSettings(store);
  EXPECT_FALSE(log.outputLog);
  EXPECT_EQ(log.textViewer, "");
  store.Update([](IniDocument& document) { document.EraseSection("Setting"); });
  EXPECT_FALSE(folder.Exists("M.INI"));
}

TEST(SettingsStoreWrite, FirstWriteCreatesTheFileAndNamesIgnoreCase) {
  TempFolder folder;
  SettingsStore store(folder.Path("M.INI"), Sjis, Files());
  store.Write(keys::kCopyFileChkChgExt, true);
  store.Write(keys::kWindowLeft, -20);
  store.Write(keys::kSettingTextViewer, "/usr/bin/view ");
  EXPECT_EQ(
      folder.ReadFile("M.INI"),
      "[CopyFile]\r\nchkChgExt=1\r\n[Window]\r\nLeft=-20\r\n[Setting]\r\nTextViewer=/usr/bin/view \r\n");
  EXPECT_TRUE(store.Load().ReadBool("COPYFILE", "ChkChgExt", false));
  EXPECT_EQ(store.Read(keys::kWindowLeft), -20);
  EXPECT_EQ(ReadLogSettings(store).textViewer, "/usr/bin/view ");
  EXPECT_EQ(FileCount(folder.Root()), 1);  // no temporary file left behind

  folder.WriteFile("M.INI", "[Window]\nLeft=5\n");  // a hand edit is seen at once
  EXPECT_EQ(store.Read(keys::kWindowLeft), 5);
  store.Update([](IniDocument& document) { document.EraseSection("window"); });
  EXPECT_EQ(folder.ReadFile("M.INI"), "");
}

TEST(SettingsStoreWrite, KeepsPermissionBitsAndFollowsLinks) {
  TempFolder folder;
  folder.WriteFile("real.INI", "[A]\r\nx=1\r\n");
  fs::permissions(folder.Path("real.INI"), fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink("real.INI", folder.Path("M.INI"));
  SettingsStore(folder.Path("M.INI"), Sjis, Files()).Update([](IniDocument& document) {
    document.WriteString("A", "y", "2");
  });
  EXPECT_TRUE(fs::is_symlink(folder.Path("M.INI")));
  EXPECT_EQ(folder.ReadFile("real.INI"), "[A]\r\nx=1\r\ny=2\r\n");
  EXPECT_EQ(fs::status(folder.Path("real.INI")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
}

// Writes to the file and expects the failure error, in CP932.
void ExpectWriteFails(const TempFolder& folder, const std::string& relative) {
  SettingsStore store(folder.Path(relative), Sjis, Files());
  try {
    store.Update([](IniDocument& document) { document.WriteString("A", "x", "2"); });
    ADD_FAILURE() << relative << ": no error";
  } catch (const SettingsWriteError& error) {
    EXPECT_EQ(error.Path(), folder.Path(relative));
    // "%s に書き込めません"
    EXPECT_EQ(error.Message(),
              folder.Path(relative) + " \x82\xC9\x8F\x91\x82\xAB\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1");
  }
}

TEST(SettingsStoreWrite, FailureThrowsAndChangesNothing) {
  TempFolder folder;
  folder.WriteFile("plain", "x");
  folder.CreateFiles({"dir.INI/"});
  for (const char* relative : {"no/such/M.INI", "plain/M.INI", "dir.INI"}) {
    SCOPED_TRACE(relative);
    ExpectWriteFails(folder, relative);
  }
  EXPECT_FALSE(folder.Exists("no"));
  EXPECT_EQ(folder.ReadFile("plain"), "x");
  EXPECT_TRUE(fs::is_empty(folder.Path("dir.INI")));
  EXPECT_EQ(FileCount(folder.Root()), 2);
}

TEST(SettingsStoreWrite, ReadOnlyFolderKeepsTheOldFile) {
  // Root writes into read-only folders anyway.
  if (geteuid() == 0) GTEST_SKIP() << "running as root";
  TempFolder folder;
  folder.WriteFile("ro/M.INI", "[A]\r\nx=1\r\n");
  fs::permissions(folder.Path("ro"), fs::perms::owner_read | fs::perms::owner_exec);
  ExpectWriteFails(folder, "ro/M.INI");
  EXPECT_EQ(folder.ReadFile("ro/M.INI"), "[A]\r\nx=1\r\n");
  EXPECT_EQ(FileCount(folder.Path("ro")), 1);
}

}  // namespace
}  // namespace morvane::core
