#include "cli/batch_app.h"

#include <filesystem>

#include "batch_fixture.h"

namespace morvane::cli {
namespace {

TEST_F(BatchAppTest, HelpExplainsAndSucceeds) {
  EXPECT_EQ(Batch({"--help"}), 0);
  EXPECT_NE(m_out.str().find("Exit status"), std::string::npos);
  EXPECT_EQ(Batch({"rename", "--help"}), 0);
  EXPECT_NE(m_out.str().find("--on-conflict"), std::string::npos);
}

// Every refusal exits 2 before anything is touched: no rename, no result file.
TEST_F(BatchAppTest, RefusedStartsTouchNothing) {
  struct Case {
    const char* name;
    std::vector<std::string> options;
    const char* message;
  };
  const Case cases[] = {
      {"no subcommand", {}, ""},
      {"no destination", {}, ""},
      {"both destinations", {"--in-place", "--output", "/tmp"}, ""},
      {"unknown order", {"--in-place", "--order", "random"}, ""},
      {"empty start", {"--in-place", "--start", ""}, "開始番号が指定されていません。"},
      {"letters in the start", {"--in-place", "--start", "1a"}, "--start"},
      {"nine digits", {"--in-place", "--start", "123456789"}, "--start"},
      {"separator in the front part", {"--in-place", "--front", "a/b"}, "--front"},
      {"increment too large",
       {"--in-place", "--increment", "99999999999"},
       "'99999999999' は整数ではありません"},
      {"dot in the new extension", {"--in-place", "--new-ext", "a.b"}, "--new-ext"},
      {"empty new extension without yes", {"--in-place", "--new-ext", ""}, "拡張子なし にしますか？"},
      {"relative output folder", {"--output", "out"}, "フルパスで指定してください。"},
      {"missing output folder without yes",
       {"--output", "/nonexistent-morvane/x"},
       "正しい出力先フォルダを指定"},
      {"folder in user order", {"--in-place", "--order", "user"}, "フォルダは選択できません。"},
  };
  m_folder.CreateFiles({"in/a.txt"});
  for (const Case& c : cases) {
    std::vector<std::string> arguments;
    if (std::string(c.name) != "no subcommand") arguments.push_back("rename");
    arguments.insert(arguments.end(), c.options.begin(), c.options.end());
    arguments.push_back(P("in/a.txt"));
    if (std::string(c.name) == "folder in user order") arguments.push_back(P("in"));
    EXPECT_EQ(Batch(arguments), 2) << c.name;
    EXPECT_NE(m_err.str().find(c.message), std::string::npos) << c.name << ": " << m_err.str();
    EXPECT_TRUE(m_folder.Exists("in/a.txt")) << c.name;
    EXPECT_FALSE(m_folder.Exists("Result.dat")) << c.name;
  }
}

TEST_F(BatchAppTest, RenameEchoesTheResultLinesAndWritesTheResultFile) {
  m_folder.CreateFiles({"in/b.txt", "in/a.txt"});
  EXPECT_EQ(Batch({"rename", "--in-place", "--front", "img_", "--start", "01", P("in")}), 0);
  EXPECT_TRUE(m_folder.Exists("in/img_01.txt"));
  EXPECT_TRUE(m_folder.Exists("in/img_02.txt"));
  const std::string out = m_out.str();
  EXPECT_NE(out.find("リネーム：" + P("in/a.txt") + "\n       -> img_01.txt\n"), std::string::npos) << out;
  EXPECT_EQ(out.find('\r'), std::string::npos);
  EXPECT_EQ(m_err.str(),
            "リネーム処理が完了しました。\n2件のファイルをリネームしました。\nリネーム失敗数 = 0 件\n");
  EXPECT_NE(m_folder.ReadFile("Result.dat").find("       -> img_02.txt\r\n"), std::string::npos);
  EXPECT_FALSE(m_folder.Exists("Rename.log"));
}

TEST_F(BatchAppTest, RelativePathsAreTakenFromTheCurrentFolder) {
  m_folder.CreateFiles({"in/a.txt"});
  const std::filesystem::path here = std::filesystem::current_path();
  std::filesystem::current_path(P("in"));
  const int status = Batch({"rename", "--in-place", "a.txt"});
  std::filesystem::current_path(here);
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(m_folder.Exists("in/1.txt"));
}

TEST_F(BatchAppTest, LogFollowsTheSettingOrTheOption) {
  m_folder.CreateFiles({"in/a.txt", "in/b.txt"});
  EXPECT_EQ(Batch({"rename", "--in-place", "--log", P("in/a.txt")}), 0);
  EXPECT_TRUE(m_folder.Exists("Rename.log"));

  m_folder.WriteFile("morvane.INI", "[Setting]\r\nOutputLog=0\r\n");
  std::filesystem::remove(P("Rename.log"));
  EXPECT_EQ(Batch({"rename", "--in-place", "--start", "5", P("in/b.txt")}), 0);
  EXPECT_FALSE(m_folder.Exists("Rename.log"));

  m_folder.WriteFile("morvane.INI", "[Setting]\r\nOutputLog=1\r\n");
  EXPECT_EQ(Batch({"rename", "--in-place", "--start", "7", P("in/1.txt")}), 0);
  EXPECT_TRUE(m_folder.Exists("Rename.log"));
}

TEST_F(BatchAppTest, ProtectedExtensionsComeFromTheSettings) {
  m_folder.CreateFiles({"in/setup.exe", "in/notes.md"});
  EXPECT_EQ(Batch({"rename", "--in-place", P("in")}), 0);
  EXPECT_TRUE(m_folder.Exists("in/setup.exe"));

  m_folder.WriteFile("morvane.INI", "[Setting]\r\nGuaudExtEXE=0\r\nGuaudExtUser=md\r\n");
  EXPECT_EQ(Batch({"rename", "--in-place", "--start", "5", P("in")}), 0);
  EXPECT_TRUE(m_folder.Exists("in/5.exe"));
  EXPECT_TRUE(m_folder.Exists("in/1.md"));
}

TEST_F(BatchAppTest, ExitStatusTellsFailuresAndAborts) {
  m_folder.CreateFiles({"in/a.txt", "in/b.txt", "in/1.txt"});
  EXPECT_EQ(Batch({"rename", "--in-place", "--start", "9", P("in/gone.txt"), P("in/a.txt")}), 1);
  EXPECT_TRUE(m_folder.Exists("in/9.txt"));

  EXPECT_EQ(Batch({"rename", "--in-place", "--on-conflict", "abort", P("in/b.txt")}), 3);
  EXPECT_TRUE(m_folder.Exists("in/b.txt"));
}

// The overwrite was asked for and cannot be done: the file is left, and not by choice.
TEST_F(BatchAppTest, OverwriteIsRefusedWhereTheAlertWouldNotOfferIt) {
  m_folder.CreateFiles({"in/a.txt", "in/1.txt"});
  m_folder.WriteFile("in/1.txt", "one");
  EXPECT_EQ(Batch({"rename", "--in-place", "--on-conflict", "overwrite", P("in/a.txt")}), 1);
  EXPECT_EQ(m_folder.ReadFile("in/1.txt"), "one");
  EXPECT_TRUE(m_folder.Exists("in/a.txt"));
  EXPECT_NE(m_err.str().find("its new name " + P("in/1.txt") +
                             " is taken (not overwritten: files are renamed in place)\n"),
            std::string::npos)
      << m_err.str();
}

TEST_F(BatchAppTest, ConflictsAreAskedOnTheTerminal) {
  m_folder.CreateFiles({"in/a.txt", "out/1.txt"});
  m_folder.WriteFile("in/a.txt", "a");
  EXPECT_EQ(Batch({"rename", "--output", P("out"), P("in/a.txt")}, "x\no\n", true), 0);
  EXPECT_EQ(m_folder.ReadFile("out/1.txt"), "a");
  EXPECT_NE(m_err.str().find("[o]verwrite"), std::string::npos);

  // Without a terminal nobody is asked and the file is skipped.
  m_folder.WriteFile("out/1.txt", "kept");
  EXPECT_EQ(Batch({"rename", "--output", P("out"), P("in/a.txt")}), 1);
  EXPECT_EQ(m_folder.ReadFile("out/1.txt"), "kept");
}

TEST_F(BatchAppTest, YesCreatesTheOutputFolderAndRemovesExtensions) {
  m_folder.CreateFiles({"in/a.txt"});
  EXPECT_EQ(Batch({"rename", "--output", P("new"), "--new-ext", "", "--yes", P("in/a.txt")}), 0);
  EXPECT_TRUE(m_folder.Exists("new/1"));
  EXPECT_TRUE(m_folder.Exists("in/a.txt"));
}

// A dry run prints what the run prints, file for file, and exits as it exits; it
// changes nothing, and writes no result file.
TEST_F(BatchAppTest, DryRunShowsWhatTheRunDoes) {
  struct Case {
    const char* name;
    std::vector<std::string> files;
    std::vector<std::string> arguments;  // "{in}" and "{new}" stand for the folders
  } const cases[] = {
      {"copies into a new folder",
       {"in/b.txt", "in/a.txt", "in/c.doc"},
       {"rename", "--output", "{new}", "--yes", "--types", "txt", "{in}", "{in}/c.doc"}},
      {"names taken, skipped",
       {"in/a.txt", "in/b.txt", "new/1.txt"},
       {"rename", "--output", "{new}", "--on-conflict", "skip", "{in}"}},
      {"names taken, the next free number",
       {"in/a.txt", "in/b.txt", "new/1.txt", "new/3.txt"},
       {"rename", "--output", "{new}", "--on-conflict", "auto", "{in}"}},
      {"names taken, overwritten",
       {"in/a.txt", "in/b.txt", "new/2.txt"},
       {"rename", "--output", "{new}", "--on-conflict", "overwrite", "{in}"}},
      {"names taken, aborted",
       {"in/a.txt", "in/b.txt", "new/2.txt"},
       {"rename", "--output", "{new}", "--on-conflict", "abort", "{in}"}},
      {"in place, meeting its own new names",
       {"in/2.txt", "in/1.txt", "in/3.jpg"},
       {"rename", "--in-place", "--start", "2", "{in}"}},
      {"a replacement in place",
       {"in/b_1.txt", "in/a_1.txt", "in/c.txt", "in/b-2.txt"},
       {"replace", "--in-place", "--find", "_1", "--replace-with", "-2", "{in}"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    m_folder.CreateFiles({"in/"});
    for (const std::string& file : c.files) m_folder.WriteFile(file, file);
    std::vector<std::string> arguments;
    for (std::string argument : c.arguments) {
      for (const auto& [mark, folder] : {std::pair{"{in}", P("in")}, std::pair{"{new}", P("new")}}) {
        if (const std::size_t at = argument.find(mark); at != std::string::npos) {
          argument.replace(at, std::string_view(mark).size(), folder);
        }
      }
      arguments.push_back(argument);
    }
    std::vector<std::string> dry = arguments;
    dry.push_back("--dry-run");
    const bool newExisted = m_folder.Exists("new");

    const int dryStatus = Batch(dry);
    const std::string dryOut = WithoutTimes(m_out.str());
    const std::string dryErr = WithoutDryRunNote(m_err.str());
    EXPECT_NE(dryErr, m_err.str()) << "the dry run does not say that it changed nothing";
    EXPECT_EQ(m_folder.Exists("new"), newExisted);
    EXPECT_FALSE(m_folder.Exists("Result.dat"));
    for (const std::string& file : c.files) EXPECT_EQ(m_folder.ReadFile(file), file);

    EXPECT_EQ(Batch(arguments), dryStatus);
    EXPECT_EQ(WithoutTimes(m_out.str()), dryOut);
    EXPECT_EQ(m_err.str(), dryErr);
    EXPECT_TRUE(m_folder.Exists("Result.dat"));
    std::filesystem::remove_all(P("in"));
    std::filesystem::remove_all(P("new"));
    std::filesystem::remove(P("Result.dat"));
  }
}

// Where the run would ask on the terminal, the dry run shows the question and asks
// nothing.
TEST_F(BatchAppTest, DryRunMarksTheQuestionsTheRunWouldAsk) {
  m_folder.CreateFiles({"in/a.txt", "out/1.txt"});
  EXPECT_EQ(Batch({"rename", "--output", P("out"), "--dry-run", P("in")}, "", true), 0);
  EXPECT_NE(m_err.str().find("A file with the new name already exists: " + P("out/1.txt") +
                             "\n  source: " + P("in/a.txt") + "\n"),
            std::string::npos)
      << m_err.str();
  EXPECT_NE(m_err.str().find("is taken (the run would ask here; this dry run skips it)"), std::string::npos)
      << m_err.str();
  EXPECT_EQ(m_folder.ReadFile("out/1.txt"), "");
}

// The plan for scripts: a record per file, each field ended by a NUL byte, names as
// their bytes; nothing is changed.
TEST_F(BatchAppTest, PlanRecordsNameEveryFileAndItsOutcome) {
  struct Case {
    const char* name;
    std::vector<std::string> arguments;  // "{in}" and "{out}" stand for the folders
    std::vector<std::string> records;    // outcome, source, new path: three fields each
    int status;
  } const cases[] = {
      {"copies, a taken name skipped, a protected type",
       {"rename", "--output", "{out}", "--on-conflict", "skip", "{in}"},
       {"protected", "{in}/c\nd.exe", "", "copied", "{in}/a.txt", "{out}/1.txt", "taken", "{in}/b.txt",
        "{out}/2.txt"},
       0},
      {"a taken name nobody chose to skip (no terminal, no --on-conflict)",
       {"rename", "--output", "{out}", "{in}"},
       {"protected", "{in}/c\nd.exe", "", "copied", "{in}/a.txt", "{out}/1.txt", "taken", "{in}/b.txt",
        "{out}/2.txt"},
       1},
      {"a taken name overwritten, the next one free",
       {"rename", "--output", "{out}", "--on-conflict", "overwrite", "--types", "txt", "{in}"},
       {"copied", "{in}/a.txt", "{out}/1.txt", "overwritten", "{in}/b.txt", "{out}/2.txt"},
       0},
      {"renamed in place, A not in a name, a protected type",
       // Files named one by one: a folder's files come in the order its file system lists them.
       {"replace", "--in-place", "--find", "a", "--replace-with", "z", "{in}/a.txt", "{in}/b.txt",
        "{in}/c\nd.exe"},
       {"renamed", "{in}/a.txt", "{in}/z.txt", "text-not-found", "{in}/b.txt", "", "protected",
        "{in}/c\nd.exe", ""},
       0},
      {"a missing target",
       {"add", "--in-place", "--prefix", "p", "{in}/gone.txt"},
       {"missing", "{in}/gone.txt", ""},
       1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    m_folder.WriteFile("in/a.txt", "a");
    m_folder.WriteFile("in/b.txt", "b");
    m_folder.WriteFile("in/c\nd.exe", "c");
    m_folder.WriteFile("out/2.txt", "old");
    const auto expand = [&](std::string text) {
      for (const auto& [mark, folder] : {std::pair{"{in}", P("in")}, std::pair{"{out}", P("out")}}) {
        if (const std::size_t at = text.find(mark); at != std::string::npos) {
          text.replace(at, std::string_view(mark).size(), folder);
        }
      }
      return text;
    };
    std::vector<std::string> arguments;
    for (const std::string& argument : c.arguments) arguments.push_back(expand(argument));
    arguments.push_back("--plan");
    EXPECT_EQ(Batch(arguments), c.status);
    std::string expected;
    for (const std::string& field : c.records) expected += expand(field) + '\0';
    EXPECT_EQ(m_out.str(), expected);
    EXPECT_EQ(m_err.str(), "");
    EXPECT_FALSE(m_folder.Exists("out/1.txt"));
    EXPECT_EQ(m_folder.ReadFile("out/2.txt"), "old");
    EXPECT_FALSE(m_folder.Exists("Result.dat"));
    std::filesystem::remove_all(P("in"));
    std::filesystem::remove_all(P("out"));
  }
}

TEST_F(BatchAppTest, NaturalOrderPlanNumbersByValue) {
  for (const char* name : {"a10", "a2", "第１０話", "a1", "第2話"})
    m_folder.WriteFile(std::string("in/") + name, "");
  ASSERT_EQ(Batch({"rename", "--in-place", "--order", "natural", "--front", "n", "--plan", P("in")}), 0);
  std::string expected;
  int number = 0;
  for (const char* name : {"a1", "a2", "a10", "第2話", "第１０話"})
    expected += "renamed" + std::string(1, '\0') + P("in/") + name + '\0' + P("in/n") +
                std::to_string(++number) + '\0';
  EXPECT_EQ(m_out.str(), expected);
}

}  // namespace
}  // namespace morvane::cli
