#include "core/modes/renaming/mode_run.h"

#include <filesystem>
#include <functional>

#include "run_fixture.h"

namespace morvane::test {
namespace {

using core::OperatingMode;
using core::OverwriteChoice;

class ModeRunTest : public RunFixture {
 protected:
  core::ModeRunInputs Inputs(OperatingMode mode, const char* outputFolder = nullptr) const {
    core::ModeRunInputs inputs;
    inputs.mode = mode;
    inputs.renameInPlace = outputFolder == nullptr;
    if (outputFolder != nullptr) inputs.outputFolder = m_folder.Path(outputFolder);
    return inputs;
  }

  core::ModeRunState RunOther(core::ModeRunInputs inputs, const std::vector<std::string>& relativeTargets,
                              const std::string& filterText = "", bool appendToLog = false) {
    std::vector<std::string> targets;
    for (const std::string& target : relativeTargets) targets.push_back(m_folder.Path(target));
    const std::string text = filterText.empty() ? core::AllFilesText(core::CodePage::Utf8()) : filterText;
    inputs.filter = core::BuildExtensionFilter(text, core::CodePage::Utf8());
    inputs.filterText = text;
    inputs.protectedExtensions = m_protected;
    core::ResultLog log(m_folder.Path("Result.dat"), m_folder.Path("Rename.log"), appendToLog, m_fileSystem);
    core::ModeRun run(std::move(inputs), m_fileSystem, log, m_interaction, core::CodePage::Utf8());
    core::DriveRun(
        run, log, targets, {}, [] { return kTime; }, core::CodePage::Utf8());
    m_endMessage = run.EndMessage();
    return run.State();
  }

  std::string Frame(const std::string& title, const std::string& body) const {
    return title + "ログ採取開始　24/05/01 10:00:00\r\n\r\n" + body + title +
           "ログ採取終了　24/05/01 10:00:00\r\n\r\n---------------------------------------\r\n\r\n";
  }
};

TEST_F(ModeRunTest, ExtensionChangeLogsMissingTargetsBeforeItsHeader) {
  m_folder.CreateFiles({"in/b.txt", "in/a.txt", "in/x.doc", "in/sub/deep.txt"});
  const core::ModeRunState state = RunOther(
      [&] {
        core::ModeRunInputs inputs = Inputs(OperatingMode::ExtensionChange);
        inputs.names.newExtensionText = "md";
        return inputs;
      }(),
      {"in", "gone.txt"}, "txt", true);
  const std::string in = m_folder.Path("in/");
  const std::string missing = "リネーム対象ファイルが存在しませんでした。\r\nリネーム対象ファイル：" +
                              m_folder.Path("gone.txt") + "\r\n";
  const std::string body = "拡張子変換：" + in + "a.txt\r\n         -> a.md\r\n" + "拡張子変換：" + in +
                           "b.txt\r\n         -> b.md\r\n" +
                           "拡張子一括変換処理が終了しました。\r\n\r\n"
                           "2件のファイルの拡張子を md に変換しました。\r\n"
                           "リネーム失敗数 = 1 件\r\n\r\n";
  EXPECT_EQ(m_folder.ReadFile("Result.dat"), Frame("拡張子一括変換", body));
  EXPECT_EQ(m_folder.ReadFile("Rename.log"), missing + Frame("拡張子一括変換", body));
  EXPECT_EQ(state.successCount, 2);
  EXPECT_EQ(m_endMessage, "2件のファイルの拡張子を md に変換しました。\r\nリネーム失敗数 = 1 件");
  EXPECT_TRUE(m_folder.Exists("in/a.md"));
  EXPECT_TRUE(m_folder.Exists("in/x.doc"));
  EXPECT_TRUE(m_folder.Exists("in/sub/deep.txt"));  // subfolders are not entered
  EXPECT_EQ(m_interaction.caption, "ファイルの拡張子を変換中　b.txt ->  b.md");
}

TEST_F(ModeRunTest, StringReplacementLogsMissingTargetsAfterItsHeader) {
  m_folder.CreateFiles({"in/old_a.txt", "in/memo.txt"});
  core::ModeRunInputs inputs = Inputs(OperatingMode::StringReplacement);
  inputs.names.stringA = "old";
  inputs.names.stringB = "new";
  RunOther(inputs, {"in/old_a.txt", "in/memo.txt", "gone.txt"});
  const std::string in = m_folder.Path("in/");
  EXPECT_EQ(
      m_folder.ReadFile("Result.dat"),
      Frame("特定文字列変換",
            "リネーム対象ファイルが存在しませんでした。\r\nリネーム対象ファイル：" +
                m_folder.Path("gone.txt") +
                "\r\n以下のファイルは、文字列 A "
                "がファイル名中に存在しなかったので\r\n変換されませんでした。\r\n" +
                in + "memo.txt\r\n特定文字列変換：" + in + "old_a.txt\r\n             -> new_a.txt\r\n" +
                "特定文字列変換処理が完了しました。\r\n\r\n1件のファイルをリネームしました。\r\n"
                "リネーム失敗数 = 1 件\r\n\r\n"));
  EXPECT_EQ(
      m_endMessage,
      "特定文字列変換処理が完了しました。\r\n1件のファイルをリネームしました。\r\nリネーム失敗数 = 1 件");
  EXPECT_EQ(m_interaction.caption, "特定文字列変換処理中　old_a.txt -> new_a.txt");
}

// A run where nothing was renamed, in each mode: the whole result file. Filtered files
// are dropped silently while the list is expanded; protected ones are logged.
TEST_F(ModeRunTest, RunsThatConvertNothingSaySoInTheirOwnFrame) {
  struct Case {
    OperatingMode mode;
    const char* title;
    const char* summary;
  };
  const Case cases[] = {
      {OperatingMode::ExtensionChange, "拡張子一括変換", "ファイルは変換されませんでした。"},
      {OperatingMode::CaseConversion, "大文字・小文字変換", "ファイルは変換されませんでした。"},
      {OperatingMode::StringReplacement, "特定文字列変換", "特定文字列変換処理はおこなわれませんでした。"},
      {OperatingMode::StringAddition, "文字列追加", "文字列追加処理はおこなわれませんでした。"},
  };
  m_folder.CreateFiles({"in/run.bat", "in/a.doc"});
  for (const Case& c : cases) {
    core::ModeRunInputs inputs = Inputs(c.mode);
    inputs.names = {"run", "y", true, false, "x", 1, 1};
    const core::ModeRunState state = RunOther(inputs, {"in/run.bat", "in/a.doc"}, "bat,txt");
    EXPECT_EQ(state.failureCount, 0);
    EXPECT_EQ(m_folder.ReadFile("Result.dat"),
              Frame(c.title, "以下のファイルは、保護するファイルの拡張子なので変換されませんでした。\r\n" +
                                 m_folder.Path("in/run.bat") + "\r\n" + c.summary +
                                 "\r\n\r\nリネーム失敗数 = 0 件\r\n\r\n"));
    EXPECT_EQ(m_endMessage, std::string(c.summary) + "\r\nリネーム失敗数 = 0 件");
  }
  EXPECT_TRUE(m_folder.Exists("in/run.bat"));
}

// Every mode renames in place; the log shows the new name alone.
TEST_F(ModeRunTest, EachModeGivesItsNewNameInPlace) {
  struct Case {
    OperatingMode mode;
    core::NameEditSettings names;
    const char* before;
    const char* after;
    const char* lines;
  };
  const Case cases[] = {
      {OperatingMode::ExtensionChange,
       {"", "", true, false, "", 0, 0},
       "t.txt",
       "t",
       "拡張子変換：%s\r\n         -> t"},
      {OperatingMode::ExtensionChange,
       {"", "", true, false, " bz2 ", 0, 0},
       "a.tar.gz",
       "a.tar.bz2",
       nullptr},
      {OperatingMode::ExtensionChange, {"", "", true, false, "", 0, 0}, "plain", "plain", nullptr},
      {OperatingMode::ExtensionChange, {"", "", true, false, "txt", 0, 0}, "A.TXT", "A.txt", nullptr},
      {OperatingMode::CaseConversion,
       {"", "", true, false, "", 1, 0},
       "photo.jpg",
       "PHOTO.jpg",
       "大文字・小文字変換：%s\r\n                 -> PHOTO.jpg"},
      {OperatingMode::CaseConversion, {"", "", true, false, "", 0, 1}, "noext", "noext", nullptr},
      {OperatingMode::StringReplacement,
       {"abc", "B", false, false, "", 0, 0},
       "xABCyabc.txt",
       "xByB.txt",
       nullptr},
      {OperatingMode::StringReplacement,
       {"abc", "B", true, false, "", 0, 0},
       "xABCyabc2.txt",
       "xABCyB2.txt",
       nullptr},
      {OperatingMode::StringReplacement, {"-", "", true, false, "", 0, 0}, "a-b-c.txt", "abc.txt", nullptr},
      // A change of letter case alone is carried out, not merely reported.
      {OperatingMode::StringReplacement,
       {"abc", "ABC", true, false, "", 0, 0},
       "abc.log",
       "ABC.log",
       nullptr},
      {OperatingMode::StringAddition,
       {"2024_", "_old", true, false, "", 0, 2},
       "report.TXT",
       "2024_report_old.txt",
       "文字列追加：%s\r\n         -> 2024_report_old.txt"},
      {OperatingMode::StringAddition, {"", ".c", true, true, "", 0, 0}, "ab.c", "ab.c", nullptr},
  };
  for (const Case& c : cases) {
    m_folder.CreateFiles({std::string("in/") + c.before});
    const core::ModeRunState state = RunOther(
        [&] {
          core::ModeRunInputs inputs = Inputs(c.mode);
          inputs.names = c.names;
          return inputs;
        }(),
        {std::string("in/") + c.before});
    EXPECT_EQ(state.successCount, 1) << c.before;
    EXPECT_EQ(state.failureCount, 0) << c.before;
    const std::vector<core::DirectoryEntry> listed = m_fileSystem.ListFolder(m_folder.Path("in"), "*.*");
    ASSERT_EQ(listed.size(), 1u) << c.before;
    EXPECT_EQ(listed[0].name, c.after) << c.before;
    if (c.lines != nullptr) {
      std::string lines = c.lines;
      lines.replace(lines.find("%s"), 2, m_folder.Path(std::string("in/") + c.before));
      EXPECT_NE(m_folder.ReadFile("Result.dat").find(lines), std::string::npos) << lines;
    }
    m_fileSystem.DeleteFile(m_folder.Path("in/") + c.after);
  }
  EXPECT_TRUE(m_interaction.questions.empty());
}

TEST_F(ModeRunTest, ExtensionChangeInPlaceOntoAnotherFileFailsWithoutAsking) {
  m_folder.CreateFiles({"in/a.txt", "in/a.doc"});
  m_folder.WriteFile("in/a.doc", "doc");
  core::ModeRunInputs inputs = Inputs(OperatingMode::ExtensionChange);
  inputs.names.newExtensionText = "doc";
  const core::ModeRunState state = RunOther(inputs, {"in/a.txt"});
  EXPECT_EQ(state.failureCount, 1);
  EXPECT_TRUE(m_interaction.questions.empty());
  EXPECT_EQ(m_folder.ReadFile("in/a.doc"), "doc");
  EXPECT_TRUE(ResultHasLine("同フォルダに同名のファイルが存在するので、リネームしませんでした。"));
  EXPECT_TRUE(ResultHasLine("リネーム失敗ファイル：" + m_folder.Path("in/a.txt")));
  EXPECT_TRUE(ResultHasLine("リネーム後のファイル名：a.doc"));
}

// On a file system that tells case apart, a name that differs only in case can be
// another file; no mode may replace it.
TEST_F(ModeRunTest, CaseOnlyNewNamesNeverReplaceAnotherFile) {
  for (const OperatingMode mode :
       {OperatingMode::ExtensionChange, OperatingMode::CaseConversion, OperatingMode::StringReplacement}) {
    m_folder.CreateFiles({"in/a.TXT", "in/a.txt"});
    m_folder.WriteFile("in/a.TXT", "upper");
    m_folder.WriteFile("in/a.txt", "lower");
    core::ModeRunInputs inputs = Inputs(mode);
    inputs.names = {"a", "a", true, false, "txt", 0, 2};
    if (mode == OperatingMode::StringReplacement) m_interaction.answers = {OverwriteChoice::Skip};
    const core::ModeRunState state = RunOther(inputs, {"in/a.TXT"});
    EXPECT_EQ(m_folder.ReadFile("in/a.TXT"), "upper");
    EXPECT_EQ(m_folder.ReadFile("in/a.txt"), "lower");
    EXPECT_EQ(state.successCount, 0);
  }
  ASSERT_EQ(m_interaction.questions.size(), 1u);
  EXPECT_FALSE(m_interaction.questions[0].overwriteOffered);
}

TEST_F(ModeRunTest, CopiesAskBeforeOverwritingAndOverwriteAllLastsOneRun) {
  m_folder.CreateFiles({"in/a.txt", "in/b.txt", "in/c.txt", "out/a.md", "out/b.md", "out/c.md"});
  m_folder.WriteFile("in/a.txt", "new a");
  m_folder.WriteFile("in/b.txt", "new b");
  m_folder.WriteFile("out/c.md", "old c");
  core::ModeRunInputs inputs = Inputs(OperatingMode::ExtensionChange, "out");
  inputs.names.newExtensionText = "md";
  m_interaction.answers = {OverwriteChoice::Skip, OverwriteChoice::OverwriteAll};
  core::ModeRunState state = RunOther(inputs, {"in"});
  EXPECT_EQ(m_interaction.questions.size(), 2u);
  EXPECT_EQ(state.successCount, 2);
  EXPECT_EQ(m_folder.ReadFile("out/a.md"), "");
  EXPECT_EQ(m_folder.ReadFile("out/b.md"), "new b");
  EXPECT_TRUE(ResultHasLine("         -> " + m_folder.Path("out/c.md")));

  m_interaction.answers = {OverwriteChoice::Abort};
  state = RunOther(inputs, {"in"});
  EXPECT_EQ(m_interaction.questions.size(), 3u);  // asked again in the next run
  EXPECT_TRUE(state.abortRequested);
  EXPECT_EQ(state.successCount, 0);
  EXPECT_EQ(m_folder.ReadFile("out/a.md"), "");
  EXPECT_TRUE(ResultHasLine("ファイルは変換されませんでした。"));  // no abort line of its own
}

TEST_F(ModeRunTest, AbortStopsReplacementAndAdditionWithTheirLine) {
  struct Case {
    OperatingMode mode;
    const char* abortLine;
  };
  for (const Case& c :
       {Case{OperatingMode::StringReplacement, "以降の特定文字列変換処理はすべてキャンセルされました。"},
        Case{OperatingMode::StringAddition, "以降の文字列追加処理はすべてキャンセルされました。"}}) {
    m_folder.CreateFiles({"in/1x.txt", "in/2x.txt", "out/1y.txt"});
    core::ModeRunInputs inputs = Inputs(c.mode, "out");
    inputs.names = c.mode == OperatingMode::StringReplacement
                       ? core::NameEditSettings{"x", "y", true, false, "", 0, 0}
                       : core::NameEditSettings{"1", "", true, false, "", 0, 0};
    if (c.mode == OperatingMode::StringAddition) m_folder.CreateFiles({"out/11x.txt"});
    m_interaction.answers = {OverwriteChoice::Abort};
    const core::ModeRunState state = RunOther(inputs, {"in"});
    EXPECT_TRUE(state.abortRequested);
    EXPECT_EQ(state.successCount, 0);
    EXPECT_TRUE(ResultHasLine(c.abortLine));
    EXPECT_EQ(m_interaction.steps, 1u);
    m_interaction.steps = 0;
  }
}

// Copying into the folder the files come from: a new name that is a file still
// waiting its turn in the run is never overwritten.
TEST_F(ModeRunTest, CopiesNeverOverwriteAFileStillWaiting) {
  m_folder.CreateFiles({"in/a.txt", "in/b.txt"});
  m_folder.WriteFile("in/b.txt", "b");
  core::ModeRunInputs inputs = Inputs(OperatingMode::StringReplacement, "in");
  inputs.names = {"a", "b", true, false, "", 0, 0};
  m_interaction.answers = {OverwriteChoice::Overwrite};
  const core::ModeRunState state = RunOther(inputs, {"in/a.txt", "in/b.txt"}, "", false);
  ASSERT_EQ(m_interaction.questions.size(), 1u);
  EXPECT_FALSE(m_interaction.questions[0].overwriteOffered);
  EXPECT_EQ(m_folder.ReadFile("in/b.txt"), "b");
  EXPECT_EQ(state.successCount, 0);
}

TEST_F(ModeRunTest, CopyOntoItselfFailsWithTheSpacedLine) {
  m_folder.CreateFiles({"in/a.txt"});
  m_folder.WriteFile("in/a.txt", "keep");
  core::ModeRunInputs inputs = Inputs(OperatingMode::ExtensionChange, "in");
  inputs.names.newExtensionText = "txt";
  const core::ModeRunState state = RunOther(inputs, {"in/a.txt"});
  EXPECT_EQ(state.failureCount, 1);
  EXPECT_TRUE(m_interaction.questions.empty());
  EXPECT_EQ(m_folder.ReadFile("in/a.txt"), "keep");
  EXPECT_TRUE(ResultHasLine("リネーム失敗ファイル　：" + m_folder.Path("in/a.txt")));
  EXPECT_TRUE(ResultHasLine("リネーム後のファイル名：" + m_folder.Path("in/a.txt")));
}

TEST_F(ModeRunTest, RunFileSetTakesEachFileOnceAndEntersNoSubfolder) {
  m_folder.CreateFiles({"x/a.jpg", "x/page.html", "x/B.JPG", "x/b.jpg", "only/sub/f.jpg"});
  core::ModeRunInputs inputs = Inputs(OperatingMode::StringAddition);
  inputs.names = {"_", "", true, false, "", 0, 0};
  const core::ModeRunState state = RunOther(inputs, {"x", "x/a.jpg", "only"}, "jpg,JPG,htm");
  EXPECT_EQ(state.successCount, 3);
  EXPECT_EQ(state.failureCount, 0);
  EXPECT_EQ(m_interaction.progressRange, 3u);
  for (const char* name : {"x/_a.jpg", "x/_B.JPG", "x/_b.jpg", "x/page.html", "only/sub/f.jpg"}) {
    EXPECT_TRUE(m_folder.Exists(name)) << name;
  }
}

// A file removed after the files were collected is found missing at its turn, by the
// step itself, in every mode, in place and copying: the missing lines, a failure, and
// no new file; the next file is still renamed.
TEST_F(ModeRunTest, AFileGoneByItsTurnIsReportedMissing) {
  struct Case {
    const char* name;
    OperatingMode mode;
    std::function<void(core::ModeRunInputs&)> configure;
    bool inPlace;
    const char* renamedSecond;  // what b_file.txt becomes
  };
  const Case cases[] = {
      {"replacement", OperatingMode::StringReplacement,
       [](core::ModeRunInputs& in) {
         in.names.stringA = "file";
         in.names.stringB = "doc";
       },
       true, "b_doc.txt"},
      // The replacement leaves the name as it is: done without a rename, unless gone.
      {"replacement to the same name", OperatingMode::StringReplacement,
       [](core::ModeRunInputs& in) {
         in.names.stringA = "file";
         in.names.stringB = "file";
       },
       true, "b_file.txt"},
      {"addition, copying", OperatingMode::StringAddition,
       [](core::ModeRunInputs& in) { in.names.stringA = "x_"; }, false, "x_b_file.txt"},
      {"case, in place", OperatingMode::CaseConversion,
       [](core::ModeRunInputs& in) { in.names.nameCase = 1; }, true, "B_FILE.txt"},
      {"extension, copying", OperatingMode::ExtensionChange,
       [](core::ModeRunInputs& in) { in.names.newExtensionText = "md"; }, false, "b_file.md"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    m_folder.CreateFiles({"in/a_file.txt", "in/b_file.txt", "out/"});
    m_interaction.beforeTarget = [&](std::size_t index) {
      if (index == 0) std::filesystem::remove(m_folder.Path("in/a_file.txt"));
    };
    RunInMode(c.mode, c.configure, c.inPlace);
    const std::string gone = m_folder.Path("in/a_file.txt");
    const std::string result = m_folder.ReadFile("Result.dat");
    const std::string missing =
        c.mode == OperatingMode::ExtensionChange
            ? "以下のファイルは、存在しなかったので変換されませんでした。\r\n" + gone + "\r\n"
            : "リネーム対象ファイルが存在しませんでした。\r\nリネーム対象ファイル：" + gone + "\r\n";
    EXPECT_NE(result.find(missing), std::string::npos) << result;
    EXPECT_NE(result.find("リネーム失敗数 = 1 件"), std::string::npos) << result;
    ASSERT_EQ(m_interaction.leftReasons.size(), 1u);
    EXPECT_EQ(m_interaction.leftReasons[0], core::LeftReason::Missing);
    const std::string folder = c.inPlace ? "in/" : "out/";
    EXPECT_TRUE(m_folder.Exists(folder + c.renamedSecond));
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(m_folder.Path(folder)))
      ++files;
    EXPECT_EQ(files, 1u) << "nothing was made for the file that was gone";

    std::filesystem::remove_all(m_folder.Path("in"));
    std::filesystem::remove_all(m_folder.Path("out"));
    m_interaction.leftReasons.clear();
    m_interaction.beforeTarget = nullptr;
    m_interaction.steps = 0;
  }
}

}  // namespace
}  // namespace morvane::test
