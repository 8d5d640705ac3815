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

TEST_F(BatchAppTest, DryRunPlansAndTouchesNothing) {
  m_folder.CreateFiles({"in/b.txt", "in/a.txt", "in/c.doc"});
  EXPECT_EQ(
      Batch({"rename", "--output", P("new"), "--yes", "--types", "txt", "--dry-run", P("in"), P("in/c.doc")}),
      0);
  EXPECT_EQ(m_out.str(),
            P("in/a.txt") + " -> " + P("new/1.txt") + "\n" + P("in/b.txt") + " -> " + P("new/2.txt") + "\n");
  EXPECT_NE(m_err.str().find(P("in/c.doc")), std::string::npos);
  EXPECT_FALSE(m_folder.Exists("new"));
  EXPECT_FALSE(m_folder.Exists("Result.dat"));
}

}  // namespace
}  // namespace morvane::cli
