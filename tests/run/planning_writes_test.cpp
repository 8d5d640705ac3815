// What a plan (a dry run) writes through its file system never reaches the disk, while
// what it reads is the real thing.
#include <gtest/gtest.h>

#include "core/fs/planning_file_system.h"
#include "core/log/result_log.h"
#include "core/settings/settings_store.h"
#include "platform/posix_file_system.h"
#include "support/temp_folder.h"

namespace morvane::core {
namespace {

TEST(PlanningFileSystemWrites, LogLinesAndSettingsWritesReachNoFile) {
  test::TempFolder folder;
  folder.WriteFile("Result.dat", "the last run\r\n");
  folder.WriteFile("morvane.INI", "[A]\r\nx=1\r\n");
  platform::PosixFileSystem real;
  PlanningFileSystem dryRun(real, CodePage::Utf8());

  core::ResultLog log(folder.Path("Result.dat"), folder.Path("Rename.log"), true, dryRun);
  log.Start("head");
  log.Append("line");
  log.Close();
  EXPECT_EQ(folder.ReadFile("Result.dat"), "the last run\r\n");
  EXPECT_FALSE(folder.Exists("Rename.log"));

  core::SettingsStore store(folder.Path("morvane.INI"), core::CodePage::Utf8(), dryRun);
  EXPECT_EQ(store.Load().ReadString("A", "x", ""), "1");
  EXPECT_THROW(store.Update([](core::IniDocument& document) { document.WriteString("A", "x", "2"); }),
               core::SettingsWriteError);
  EXPECT_EQ(folder.ReadFile("morvane.INI"), "[A]\r\nx=1\r\n");
}

}  // namespace
}  // namespace morvane::core
