// Undo through morvane-batch: a run of each mode, in place and copying, then undo, must
// give back the folder it found, name for name and byte for byte.
#include <filesystem>
#include <map>

#include "cli/batch_fixture.h"

namespace morvane::cli {
namespace {

namespace fs = std::filesystem;

// Every file under the test's "d" and "out" folders: relative path -> content.
using Fingerprint = std::map<std::string, std::string>;

class UndoCommandTest : public BatchAppTest {
 protected:
  void SetUp() override {
    m_folder.WriteFile("d/Photo A.JPG", "a");
    m_folder.WriteFile("d/photo_b.jpg", "bb");
    m_folder.WriteFile("d/notes.txt", "ccc");
    m_folder.WriteFile("d/sub/deep.txt", "dddd");
    m_folder.WriteFile("d/line\nbreak.txt", "eeeee");
    m_folder.CreateFiles({"out/"});
  }

  Fingerprint Files() const {
    Fingerprint files;
    for (const char* top : {"d", "out"}) {
      for (const auto& entry : fs::recursive_directory_iterator(P(top))) {
        if (!entry.is_regular_file()) continue;
        files[fs::relative(entry.path(), m_folder.Root()).string()] =
            m_folder.ReadFile(fs::relative(entry.path(), m_folder.Root()).string());
      }
    }
    return files;
  }

  std::vector<std::string> Journals() const {
    std::vector<std::string> names;
    if (!fs::exists(P("Undo"))) return names;
    for (const auto& entry : fs::directory_iterator(P("Undo")))
      names.push_back(entry.path().filename().string());
    return names;
  }
};

struct ModeRun {
  const char* name;
  std::vector<std::string> arguments;  // "OUT" and "D..." stand for the test's folders
  bool changesSomething = true;
};

TEST_F(UndoCommandTest, EveryModeInPlaceAndCopyingComesBackWhole) {
  const std::vector<ModeRun> runs = {
      {"numbering in place", {"rename", "--in-place", "--front", "n_", "--start", "01", "D"}},
      {"numbering copied", {"rename", "--output", "OUT", "--front", "n_", "D"}},
      {"numbering, new extension", {"rename", "--in-place", "--front", "x", "--new-ext", "dat", "D"}},
      {"extension in place", {"ext", "--in-place", "--new-ext", "bak", "D"}},
      {"extension copied", {"ext", "--output", "OUT", "--new-ext", "bak", "D"}},
      {"case", {"case", "--name-case", "upper", "--ext-case", "lower", "D"}},
      {"replacement in place", {"replace", "--in-place", "--find", "o", "--replace-with", "0", "D"}},
      {"replacement copied", {"replace", "--output", "OUT", "--find", "o", "--replace-with", "0", "D"}},
      {"addition in place", {"add", "--in-place", "--prefix", "new ", "D/sub", "D/notes.txt"}},
      {"addition copied", {"add", "--output", "OUT", "--suffix", "_c", "D"}},
      {"conversion in place", {"convert", "--in-place", "--alnum", "full", "--ext-too", "D"}},
      {"conversion copied", {"convert", "--output", "OUT", "--letters", "upper", "D"}},
  };
  for (const ModeRun& run : runs) {
    SCOPED_TRACE(run.name);
    const Fingerprint before = Files();
    std::vector<std::string> arguments;
    for (const std::string& argument : run.arguments) {
      if (argument == "OUT") {
        arguments.push_back(P("out"));
      } else if (argument.starts_with("D")) {
        arguments.push_back(P("d" + argument.substr(1)));
      } else {
        arguments.push_back(argument);
      }
    }
    ASSERT_EQ(Batch(arguments), kExitSuccess) << m_err.str();
    ASSERT_NE(Files(), before) << "the run changed nothing";

    ASSERT_EQ(Batch({"undo", "--yes"}), kExitSuccess) << m_err.str() << m_out.str();
    EXPECT_EQ(Files(), before);
    EXPECT_NE(m_folder.ReadFile("Result.dat").find("元に戻すログ採取開始"), std::string::npos);
    EXPECT_NE(m_folder.ReadFile("Result.dat").find("元に戻せなかったファイル：0件"), std::string::npos);
  }
  EXPECT_LE(Journals().size(), 10u) << "only the newest journals are kept";
}

// A name from macOS holds が decomposed: a composed --find and --types word find it.
TEST_F(UndoCommandTest, AComposedFindChangesADecomposedNameAndUndoGivesItsBytesBack) {
  m_folder.WriteFile("d/か\u3099っこう.テ\u3099", "f");
  const Fingerprint before = Files();
  ASSERT_EQ(Batch({"replace", "--in-place", "--find", "が", "--replace-with", "X", "--types", "デ", P("d")}),
            0);
  Fingerprint after = before;
  after.erase("d/か\u3099っこう.テ\u3099");
  after["d/Xっこう.テ\u3099"] = "f";
  EXPECT_EQ(Files(), after);
  ASSERT_EQ(Batch({"undo", "--yes"}), kExitSuccess) << m_err.str();
  EXPECT_EQ(Files(), before);
}

// However a path is spelt ("." and ".." components, doubled slashes), the journal
// records the file it names, so that undo takes the run back.
TEST_F(UndoCommandTest, PathsSpeltWithDotsOrDoubledSlashesAreUndone) {
  const Fingerprint before = Files();
  const std::vector<std::vector<std::string>> runs = {
      {"--in-place", P("d") + "/."},
      {"--in-place", P("d/sub") + "/.."},
      {"--in-place", P("d") + "//"},
      {"--in-place", P("d/sub") + "/.././notes.txt"},
      {"--output", P("out") + "/.", P("d") + "/./notes.txt"},
  };
  for (const std::vector<std::string>& where : runs) {
    SCOPED_TRACE(where.back());
    std::vector<std::string> arguments = {"add", "--prefix", "p_"};
    arguments.insert(arguments.end(), where.begin(), where.end());
    ASSERT_EQ(Batch(arguments), kExitSuccess) << m_err.str();
    ASSERT_NE(Files(), before);
    ASSERT_EQ(Batch({"undo", "--yes"}), kExitSuccess) << m_err.str();
    EXPECT_EQ(Files(), before);
  }
}

TEST_F(UndoCommandTest, AnUndoCanBeUndone) {
  const Fingerprint before = Files();
  ASSERT_EQ(Batch({"add", "--in-place", "--prefix", "p_", P("d")}), kExitSuccess) << m_err.str();
  const Fingerprint after = Files();
  ASSERT_EQ(Batch({"undo", "--yes"}), kExitSuccess) << m_err.str();
  ASSERT_EQ(Files(), before);
  ASSERT_EQ(Batch({"undo", "--yes"}), kExitSuccess) << m_err.str();
  EXPECT_EQ(Files(), after) << "undoing the undo makes the run's names again";
  ASSERT_EQ(Batch({"undo", "--yes"}), kExitSuccess) << m_err.str();
  EXPECT_EQ(Files(), before);
}

TEST_F(UndoCommandTest, AnOverwriteGetsItsFormerContentBack) {
  m_folder.WriteFile("out/n_2.jpg", "the file that was there");
  const Fingerprint before = Files();
  ASSERT_EQ(Batch({"rename", "--output", P("out"), "--front", "n_", "--types", "jpg", "--on-conflict",
                   "overwrite", P("d")}),
            kExitSuccess)
      << m_err.str();
  ASSERT_EQ(m_folder.ReadFile("out/n_2.jpg"), "bb");
  ASSERT_EQ(Batch({"undo", "--yes"}), kExitSuccess) << m_err.str();
  EXPECT_EQ(Files(), before);
}

TEST_F(UndoCommandTest, ANameTakenOrAFileChangedSinceIsReportedAndLeft) {
  ASSERT_EQ(Batch({"add", "--in-place", "--prefix", "p_", P("d/notes.txt"), P("d/photo_b.jpg"),
                   P("d/Photo A.JPG")}),
            kExitSuccess);
  m_folder.WriteFile("d/notes.txt", "made by hand since");        // the old name is taken
  m_folder.WriteFile("d/p_photo_b.jpg", "edited since the run");  // new content, new time
  ASSERT_EQ(Batch({"undo", "--yes"}), kExitFailures);
  EXPECT_EQ(m_folder.ReadFile("d/notes.txt"), "made by hand since") << "nothing is replaced";
  EXPECT_EQ(m_folder.ReadFile("d/p_notes.txt"), "ccc");
  EXPECT_EQ(m_folder.ReadFile("d/p_photo_b.jpg"), "edited since the run");
  EXPECT_EQ(m_folder.ReadFile("d/Photo A.JPG"), "a") << "the rest is still undone";
  const std::string result = m_folder.ReadFile("Result.dat");
  EXPECT_NE(result.find("元の名前が使用中です：" + P("d/notes.txt")), std::string::npos) << result;
  EXPECT_NE(result.find("実行の後に変更されています。"), std::string::npos) << result;
  EXPECT_NE(result.find("元に戻せなかったファイル：2件"), std::string::npos) << result;
}

TEST_F(UndoCommandTest, BadJournalsAreRefusedAndChangeNothing) {
  ASSERT_EQ(Batch({"add", "--in-place", "--prefix", "p_", P("d")}), kExitSuccess);
  ASSERT_EQ(Journals().size(), 1u);
  const std::string path = "Undo/" + Journals().front();
  const std::string good = m_folder.ReadFile(path);
  const Fingerprint renamed = Files();
  const std::string result = m_folder.ReadFile("Result.dat");
  struct Bad {
    const char* name;
    std::string bytes;
    const char* says;
  };
  const std::vector<Bad> bads = {
      {"another version", "morvane-undo 7" + good.substr(good.find('\n')), "version 7"},
      {"garbage",
       "\x7f"
       "ELF garbage\n",
       "not an undo journal"},
      {"damaged record", good.substr(0, good.find("\nI ") + 1) + "Q 1 2 3\n", "damaged"},
      {"empty: its first write failed", "", "changed nothing"},
  };
  for (const Bad& bad : bads) {
    SCOPED_TRACE(bad.name);
    m_folder.WriteFile(path, bad.bytes);
    EXPECT_EQ(Batch({"undo", "--yes"}), kExitRefused);
    EXPECT_NE(m_err.str().find(bad.says), std::string::npos) << m_err.str();
    EXPECT_EQ(Files(), renamed);
    EXPECT_EQ(m_folder.ReadFile("Result.dat"), result);
  }
}

TEST_F(UndoCommandTest, ListDryRunAndRefusals) {
  EXPECT_EQ(Batch({"undo", "--yes"}), kExitRefused);
  EXPECT_NE(m_err.str().find("There is no run to undo"), std::string::npos);
  ASSERT_EQ(Batch({"add", "--in-place", "--prefix", "p_", P("d/notes.txt")}), kExitSuccess);
  const Fingerprint renamed = Files();

  ASSERT_EQ(Batch({"undo", "--dry-run"}), kExitSuccess);
  EXPECT_NE(m_out.str().find("元の名前に戻しました：" + P("d/p_notes.txt")), std::string::npos)
      << m_out.str();
  EXPECT_EQ(Files(), renamed) << "a dry run changes nothing";
  EXPECT_EQ(Journals().size(), 1u);

  EXPECT_EQ(Batch({"undo"}), kExitRefused) << "without a terminal or --yes nobody says yes";
  EXPECT_EQ(Files(), renamed);
  EXPECT_EQ(Batch({"undo"}, "n\n", true), kExitRefused);
  EXPECT_EQ(Files(), renamed);

  ASSERT_EQ(Batch({"undo", "--list"}), kExitSuccess);
  const std::string id = m_out.str().substr(0, m_out.str().find(' '));
  EXPECT_NE(m_out.str().find("1 change  文字列追加ログ採取開始"), std::string::npos) << m_out.str();
  EXPECT_EQ(Batch({"undo", "--run", "20000101-000000", "--yes"}), kExitRefused);
  EXPECT_NE(m_err.str().find("There is no journal"), std::string::npos) << m_err.str();

  ASSERT_EQ(Batch({"undo", "--run", id}, "y\n", true), kExitSuccess) << m_err.str();
  EXPECT_EQ(m_folder.ReadFile("d/notes.txt"), "ccc");
  EXPECT_EQ(Batch({"undo", "--run", id, "--yes"}), kExitRefused);
  EXPECT_NE(m_err.str().find("already undone"), std::string::npos) << m_err.str();
}

TEST_F(UndoCommandTest, TheNewestTenJournalsAreKeptAndARunThatChangesNothingDropsNone) {
  std::string name = "notes.txt";
  for (int round = 0; round < 12; ++round) {
    ASSERT_EQ(Batch({"add", "--in-place", "--prefix", "p", P("d/" + name)}), kExitSuccess) << m_err.str();
    name = "p" + name;
  }
  ASSERT_EQ(Journals().size(), 10u);
  const std::vector<std::string> kept = Journals();
  // A run whose only file is left out by its type changes nothing and drops no journal.
  ASSERT_EQ(Batch({"add", "--in-place", "--prefix", "x", "--types", "none", P("d/" + name)}), kExitSuccess);
  EXPECT_EQ(Journals(), kept);
  // The newest is the last run's.
  ASSERT_EQ(Batch({"undo", "--yes"}), kExitSuccess) << m_err.str();
  EXPECT_TRUE(m_folder.Exists("d/" + name.substr(1)));
}

TEST_F(UndoCommandTest, ARenumberingThroughTemporaryNamesComesBack) {
  for (int i = 1; i <= 5; ++i)
    m_folder.WriteFile("d/sub/" + std::to_string(i) + ".txt", std::to_string(i * 11));
  const Fingerprint before = Files();
  ASSERT_EQ(Batch({"rename", "--in-place", "--start", "2", "--resolve-chains", "--types", "txt", P("d/sub")}),
            kExitSuccess)
      << m_err.str();
  ASSERT_EQ(m_folder.ReadFile("d/sub/6.txt"), "55");
  ASSERT_EQ(Batch({"undo", "--yes"}), kExitSuccess) << m_err.str() << m_out.str();
  EXPECT_EQ(Files(), before);
}

}  // namespace
}  // namespace morvane::cli
