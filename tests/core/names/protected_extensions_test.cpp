#include "core/names/protected_extensions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/settings/protected_extension_settings.h"
#include "core/settings/settings_store.h"
#include "platform/posix_file_system.h"
#include "support/temp_folder.h"

namespace morvane::core {
namespace {

using Words = std::vector<std::string>;
const CodePage& Sjis = CodePage::Cp932();

TEST(ProtectedExtensions, WithoutASettingsFileAllBuiltInWordsAreOn) {
  test::TempFolder folder;
  platform::PosixFileSystem fileSystem;
  const SettingsStore store(folder.Path("morvane.INI"), Sjis, fileSystem);
  const ProtectedExtensions list = LoadProtectedExtensions(store);
  EXPECT_EQ(list.Words(), (Words{"BAT", "COM", "EXE", "DLL", "REG", "SYS", "INI", "DAT"}));
  for (const char* extension : {".EXE", ".exe", ".Dll", ".ini"}) {
    EXPECT_TRUE(IsProtectedExtension(list, extension)) << extension;
  }
  for (const char* extension : {"", ".", ".txt", ".EXE.bak", "EXE"}) {
    EXPECT_FALSE(IsProtectedExtension(list, extension)) << extension;
  }
}

TEST(ProtectedExtensions, SettingsChooseBuiltInWordsAndAddTheUserList) {
  struct Case {
    const char* label;
    std::string fileText;
    Words expected;
  } const cases[] = {
      {"all off, no user list",
       "[Setting]\r\nGuaudExtBAT=0\r\nGuaudExtCOM=0\r\nGuaudExtEXE=0\r\nGuaudExtDLL=0\r\nGuaudExtREG=0\r\n"
       "GuaudExtSYS=0\r\nGuaudExtINI=0\r\nGuaudExtDAT=0\r\nGuaudExtUser=" +
           Sjis.FromUtf8("ユーザ指定なし") + "\r\n",
       {}},
      {"some off, user words as typed",
       "[setting]\r\nguaudextexe=0\r\nGuaudExtDAT=0\r\nGuaudExtUser=doc,, txt,\r\n",
       {"BAT", "COM", "DLL", "REG", "SYS", "INI", "doc", " txt"}},
      {"the no-list marker with blanks around it",
       "[Setting]\r\nGuaudExtUser= " + Sjis.FromUtf8("ユーザ指定なし") + " \r\nGuaudExtBAT=0\r\n",
       {"COM", "EXE", "DLL", "REG", "SYS", "INI", "DAT"}},
      {"blank user list",
       "[Setting]\r\nGuaudExtUser=   \r\nGuaudExtBAT=0x0\r\n",
       {"COM", "EXE", "DLL", "REG", "SYS", "INI", "DAT"}},
  };
  platform::PosixFileSystem fileSystem;
  for (const auto& c : cases) {
    test::TempFolder folder;
    folder.WriteFile("morvane.INI", c.fileText);
    EXPECT_EQ(LoadProtectedExtensions(SettingsStore(folder.Path("morvane.INI"), Sjis, fileSystem)).Words(),
              c.expected)
        << c.label;
  }
}

TEST(ProtectedExtensions, UserWordsMatchWithoutCaseButOnlyWhole) {
  const ProtectedExtensions list = MakeProtectedExtensions({}, "doc, txt,\x95\x5C", Sjis);
  EXPECT_TRUE(IsProtectedExtension(list, ".DOC"));
  EXPECT_FALSE(IsProtectedExtension(list, ".txt"));  // the word is " txt"
  EXPECT_TRUE(IsProtectedExtension(list, ".\x95\x5C"));
  EXPECT_FALSE(IsProtectedExtension(list, ".\x95\x7C"));
}

}  // namespace
}  // namespace morvane::core
