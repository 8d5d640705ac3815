#include <chrono>
#include <filesystem>

#include "run_fixture.h"

namespace morvane::test {
namespace {

using core::SortType;

class SequenceRunTest : public RunFixture {};

TEST_F(SequenceRunTest, CopyRunWritesTheResultFileLineForLine) {
  m_folder.CreateFiles({"in/b.txt", "in/a.txt", "in/x.doc", "out/"});
  const core::SequenceRunState state = Run(CopyTo("out", "01"), {"in/b.txt", "in/a.txt", "in/x.doc"}, "txt");
  const std::string in = m_folder.Path("in/");
  const std::string out = m_folder.Path("out/");
  EXPECT_EQ(m_folder.ReadFile("Result.dat"),
            "リネームログ採取開始　24/05/01 10:00:00\r\n"
            "\r\n"
            "以下のファイルは、指定外の拡張子（指定拡張子：txt）なので変換されませんでした。\r\n" +
                in + "x.doc\r\n" + "リネーム：" + in + "a.txt\r\n" + "       -> " + out + "01.txt\r\n" +
                "リネーム：" + in + "b.txt\r\n" + "       -> " + out + "02.txt\r\n" +
                "リネーム処理が完了しました。\r\n"
                "\r\n"
                "2件のファイルをリネームしました。\r\n"
                "リネーム失敗数 = 0 件\r\n"
                "\r\n"
                "リネームログ採取終了　24/05/01 10:00:00\r\n"
                "\r\n"
                "---------------------------------------\r\n"
                "\r\n");
  EXPECT_EQ(state.successCount, 2);
  EXPECT_TRUE(m_folder.Exists("in/a.txt"));
  EXPECT_FALSE(m_folder.Exists("Rename.log"));
  EXPECT_EQ(m_endMessage,
            "リネーム処理が完了しました。\r\n2件のファイルをリネームしました。\r\nリネーム失敗数 = 0 件");
  EXPECT_EQ(m_interaction.progressRange, 2u);
  EXPECT_EQ(m_interaction.caption, "リネーム処理中　b.txt -> 02.txt");
}

TEST_F(SequenceRunTest, NumbersFollowTheStartTextAndIncrement) {
  struct Case {
    const char* start;
    int increment;
    std::vector<const char*> names;
  };
  const Case cases[] = {
      {"1", 1, {"1.txt", "2.txt", "3.txt"}},
      {"007", 5, {"007.txt", "012.txt", "017.txt"}},
      {"0", 1, {"0.txt", "1.txt", "2.txt"}},
      {"99", 1, {"99.txt", "100.txt", "101.txt"}},
  };
  for (const Case& c : cases) {
    TempFolder folder;
    folder.CreateFiles({"a.txt", "b.txt", "c.txt"});
    core::RunSettings settings = InPlace(c.start);
    settings.increment = c.increment;
    core::ResultLog log(folder.Path("Result.dat"), "", false, m_fileSystem);
    core::SequenceRun run({settings, core::BuildExtensionFilter("*"), "", {}}, m_fileSystem, log,
                          m_interaction);
    run.Collect({folder.Path("a.txt"), folder.Path("b.txt"), folder.Path("c.txt")});
    run.Execute();
    for (const char* name : c.names) EXPECT_TRUE(folder.Exists(name)) << c.start << " " << name;
  }
}

TEST_F(SequenceRunTest, NamesThatDifferOnlyInCaseAreBothNumbered) {
  m_folder.CreateFiles({"in/A.txt", "in/a.txt"});
  EXPECT_EQ(Run(InPlace(), {"in/a.txt", "in/A.txt"}).successCount, 2);
  EXPECT_TRUE(m_folder.Exists("in/1.txt"));
  EXPECT_TRUE(m_folder.Exists("in/2.txt"));
}

TEST_F(SequenceRunTest, CaseOnlyRenameReallyChangesTheCase) {
  m_folder.CreateFiles({"in/1.TXT"});
  core::RunSettings settings = InPlace();
  settings.extensionCase = 2;
  EXPECT_EQ(Run(settings, {"in/1.TXT"}).successCount, 1);
  EXPECT_EQ(std::filesystem::directory_iterator(m_folder.Path("in"))->path().filename(), "1.txt");
}

TEST_F(SequenceRunTest, AlreadyNamedFileCountsAsRenamed) {
  m_folder.CreateFiles({"in/1.txt", "in/b.txt"});
  const core::SequenceRunState state = Run(InPlace(), {"in/1.txt", "in/b.txt"});
  EXPECT_EQ(state.successCount, 2);
  EXPECT_TRUE(m_folder.Exists("in/2.txt"));
  EXPECT_TRUE(ResultHasLine("       -> 1.txt"));
}

TEST_F(SequenceRunTest, SizeOrderHandlesFilesBeyondFourGibibytes) {
  m_folder.CreateFiles({"in/big", "in/small", "in/huge"});
  std::filesystem::resize_file(m_folder.Path("in/big"), (std::uintmax_t{4} << 30) + 1);
  std::filesystem::resize_file(m_folder.Path("in/huge"), std::uintmax_t{5} << 30);
  m_folder.WriteFile("in/small", "tiny");
  core::RunSettings settings = InPlace();
  settings.sortType = SortType::Size;
  Run(settings, {"in/huge", "in/big", "in/small"});
  EXPECT_EQ(std::filesystem::file_size(m_folder.Path("in/1")), 4u);
  EXPECT_EQ(std::filesystem::file_size(m_folder.Path("in/2")), (std::uintmax_t{4} << 30) + 1);
  EXPECT_EQ(std::filesystem::file_size(m_folder.Path("in/3")), std::uintmax_t{5} << 30);
}

TEST_F(SequenceRunTest, DescendingGivesTheStartNumberToTheLastName) {
  m_folder.CreateFiles({"in/a.txt", "in/c.txt", "in/b.txt"});
  m_folder.WriteFile("in/c.txt", "c");
  core::RunSettings settings = InPlace();
  settings.descending = true;
  Run(settings, {"in"});
  EXPECT_EQ(m_folder.ReadFile("in/1.txt"), "c");
  EXPECT_TRUE(m_folder.Exists("in/3.txt"));
}

// The date key holds whole seconds of local time: files modified within one second tie
// and go by name; files a second apart go by date, also across the turn of a year.
TEST_F(SequenceRunTest, DateOrderComparesWholeSecondsThenNames) {
  using std::chrono::milliseconds;
  using std::chrono::seconds;
  const std::chrono::sys_days newYear = std::chrono::sys_days{std::chrono::year{2000} / 1 / 1};
  struct Case {
    const char* what;
    std::chrono::system_clock::duration aModified, bModified;  // after newYear
    bool descending;
    const char* first;  // the content of 1.txt
  };
  const Case cases[] = {
      {"a later within the second", milliseconds{900}, milliseconds{100}, false, "a"},
      {"a later within the second, descending", milliseconds{900}, milliseconds{100}, true, "b"},
      {"b a second before the new year", seconds{0}, -seconds{1}, false, "b"},
      {"b a second before the new year, descending", seconds{0}, -seconds{1}, true, "a"},
  };
  int n = 0;
  for (const Case& c : cases) {
    const std::string folder = "in" + std::to_string(++n);
    m_folder.WriteFileModifiedAt(folder + "/a.txt", newYear + c.aModified, "a");
    m_folder.WriteFileModifiedAt(folder + "/b.txt", newYear + c.bModified, "b");
    core::RunSettings settings = InPlace();
    settings.sortType = SortType::ModifiedDate;
    settings.descending = c.descending;
    EXPECT_EQ(Run(settings, {folder}).successCount, 2) << c.what;
    EXPECT_EQ(m_folder.ReadFile(folder + "/1.txt"), c.first) << c.what;
  }
}

TEST_F(SequenceRunTest, UserOrderNumbersEveryArrivalAndOtherOrdersOnce) {
  m_folder.CreateFiles({"in/z.txt", "in/a.txt", "out/"});
  core::RunSettings user = CopyTo("out");
  user.sortType = SortType::UserOrder;
  EXPECT_EQ(Run(user, {"in/z.txt", "in/a.txt", "in/z.txt"}).successCount, 3);
  EXPECT_TRUE(ResultHasLine("       -> " + m_folder.Path("out/3.txt")));

  m_folder.CreateFiles({"out2/"});
  const core::SequenceRunState byName = Run(CopyTo("out2"), {"in/z.txt", "in", "in/z.txt"});
  EXPECT_EQ(byName.successCount, 2);
}

TEST_F(SequenceRunTest, CollectionLogsMissingFilteredAndProtectedFiles) {
  m_folder.CreateFiles({"in/a.txt", "in/run.BAT", "in/.hidden.txt", "in/sub/deep.txt", "in/x.doc"});
  const core::SequenceRunState state = Run(InPlace(), {"in/gone.txt", "in"}, "txt,bat");
  EXPECT_EQ(state.failureCount, 1);
  EXPECT_EQ(state.successCount, 2);  // a.txt and .hidden.txt; the subfolder is not entered
  EXPECT_TRUE(ResultHasLine("リネーム対象ファイルが存在しませんでした。"));
  EXPECT_TRUE(ResultHasLine("リネーム対象ファイル：" + m_folder.Path("in/gone.txt")));
  EXPECT_TRUE(ResultHasLine("以下のファイルは、保護するファイルの拡張子なので変換されませんでした。"));
  EXPECT_TRUE(ResultHasLine(m_folder.Path("in/run.BAT")));
  EXPECT_TRUE(m_folder.Exists("in/sub/deep.txt"));
  EXPECT_TRUE(m_folder.Exists("in/x.doc"));
}

TEST_F(SequenceRunTest, AllFilteredReportsThatNothingWasDone) {
  m_folder.CreateFiles({"in/a.doc"});
  const core::SequenceRunState state = Run(InPlace(), {"in/a.doc"}, "txt");
  EXPECT_EQ(state.successCount, 0);
  EXPECT_EQ(state.failureCount, 0);
  EXPECT_TRUE(ResultHasLine("リネーム処理はおこなわれませんでした。"));
  EXPECT_FALSE(ResultHasLine("0件のファイルをリネームしました。"));
  EXPECT_EQ(m_endMessage, "リネーム処理はおこなわれませんでした。\r\nリネーム失敗数 = 0 件");
}

TEST_F(SequenceRunTest, NumberBeyondTheMaximumEndsTheRun) {
  m_folder.CreateFiles({"in/a.txt", "in/b.txt", "in/c.txt", "in/d.txt", "in/e.txt"});
  core::RunSettings settings = InPlace("01");
  settings.increment = 45;  // 01, 46, 91, then 136 > 99
  const core::SequenceRunState state = Run(settings, {"in"});
  const std::string message =
      "通し番号が最大値を超えたのでリネーム処理を終了します。\r\n通し番号=136　最大値=99";
  EXPECT_TRUE(state.numberExceeded);
  EXPECT_EQ(state.successCount, 3);
  EXPECT_EQ(m_interaction.informations, std::vector<std::string>{message});
  EXPECT_NE(m_folder.ReadFile("Result.dat").find(message + "\r\n"), std::string::npos);
  EXPECT_TRUE(m_folder.Exists("in/d.txt"));
  EXPECT_TRUE(m_folder.Exists("in/e.txt"));
}

TEST_F(SequenceRunTest, MaximumUsedByTheLastFileStillEndsWithTheMessage) {
  m_folder.CreateFiles({"in/a.txt", "in/b.txt"});
  core::RunSettings settings = InPlace("01");
  settings.increment = 98;  // 01, 99
  EXPECT_TRUE(Run(settings, {"in"}).numberExceeded);
  EXPECT_EQ(m_interaction.informations.size(), 1u);
}

TEST_F(SequenceRunTest, VanishedSourceFailsAndTheNextFileTakesItsNumber) {
  m_folder.CreateFiles({"in/a.txt", "in/b.txt"});
  m_interaction.beforeTarget = [&](std::size_t index) {
    if (index == 0) std::filesystem::remove(m_folder.Path("in/a.txt"));
  };
  const core::SequenceRunState state = Run(InPlace(), {"in"});
  EXPECT_EQ(state.failureCount, 1);
  EXPECT_TRUE(m_folder.Exists("in/1.txt"));
  EXPECT_TRUE(ResultHasLine("リネームに失敗しました。"));
  EXPECT_TRUE(ResultHasLine("リネーム失敗ファイル：" + m_folder.Path("in/a.txt")));
  EXPECT_TRUE(ResultHasLine("リネーム後のファイル名：" + m_folder.Path("in/1.txt")));
}

TEST_F(SequenceRunTest, CopyIntoAFileInsteadOfAFolderFailsWithoutAPartialFile) {
  m_folder.CreateFiles({"in/a.txt", "notafolder"});
  const core::SequenceRunState state = Run(CopyTo("notafolder"), {"in/a.txt"});
  EXPECT_EQ(state.failureCount, 1);
  EXPECT_EQ(m_folder.ReadFile("notafolder"), "");
}

TEST_F(SequenceRunTest, FolderAtTheNewPathIsAFailureNotAConflict) {
  m_folder.CreateFiles({"in/a.txt", "in/1.txt/"});
  const core::SequenceRunState state = Run(InPlace(), {"in/a.txt"});
  EXPECT_EQ(state.failureCount, 1);
  EXPECT_TRUE(m_interaction.questions.empty());
  EXPECT_TRUE(m_folder.Exists("in/a.txt"));
}

TEST_F(SequenceRunTest, LogThatCannotBeWrittenStopsBeforeAnyFileIsTouched) {
  m_folder.CreateFiles({"in/a.txt"});
  core::ResultLog log(m_folder.Path("Result.dat"), "/dev/full", true, m_fileSystem);
  core::SequenceRun run({InPlace(), core::BuildExtensionFilter("*"), "", {}}, m_fileSystem, log,
                        m_interaction);
  EXPECT_THROW(core::WriteRunHeader(log, core::OperatingMode::SequentialRename, kTime), core::LogWriteError);
  EXPECT_TRUE(m_folder.Exists("in/a.txt"));
}

TEST_F(SequenceRunTest, TwoRunsAppendBothBlocksToTheLog) {
  m_folder.CreateFiles({"in/a.txt"});
  Run(InPlace(), {"in/a.txt"}, "", true);
  Run(InPlace("5"), {"in/1.txt"}, "", true);
  const std::string log = m_folder.ReadFile("Rename.log");
  const std::string block = "---------------------------------------\r\n\r\n";
  EXPECT_EQ(log.find(block) + block.size(), log.find("リネームログ採取開始", 1));
  EXPECT_TRUE(log.ends_with(block));
  EXPECT_EQ(m_folder.ReadFile("Result.dat").find("a.txt"), std::string::npos);
}

}  // namespace
}  // namespace morvane::test
