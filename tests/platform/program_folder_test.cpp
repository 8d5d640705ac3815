#include "platform/program_folder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include "platform/locale_code_page.h"
#include "support/temp_folder.h"

namespace morvane::platform {
namespace {

TEST(ProgramFolder, HomeVariableHoldsTheProgramFiles) {
  test::TempFolder folder;  // sets MORVANE_HOME
  const core::ProgramFiles files = ResolveProgramFiles();
  EXPECT_EQ(files.folder, folder.Root());
  EXPECT_EQ(files.settingsFile, folder.Root() + "/morvane.INI");
  EXPECT_EQ(files.logFile, folder.Root() + "/Rename.log");
}

TEST(LocaleCodePage, NonShiftJisLocalesSelectUtf8) {
  setenv("LC_ALL", "C.UTF-8", 1);
  EXPECT_EQ(LocaleCodePage().Kind(), core::CodePageKind::Utf8);
  setenv("LC_ALL", "C", 1);
  EXPECT_EQ(LocaleCodePage().Kind(), core::CodePageKind::Utf8);
  unsetenv("LC_ALL");
}

}  // namespace
}  // namespace morvane::platform
