// The files a run leaves as they are: one line each on standard error, a count per
// reason at the end, and the exit status that tells a script whether it is done.
#include <filesystem>

#include "batch_fixture.h"

namespace morvane::cli {
namespace {

class LeftFilesTest : public BatchAppTest {
 protected:
  // The text with the placeholders {in} and {out} replaced by the absolute folders.
  std::string Expand(std::string text) const {
    for (const std::string mark : {"{in}", "{out}"}) {
      const std::string folder = P(mark.substr(1, mark.size() - 2));
      for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark)) {
        text.replace(at, mark.size(), folder);
      }
    }
    return text;
  }
};

TEST_F(LeftFilesTest, EachReasonGetsItsLineItsCountAndItsStatus) {
  struct Case {
    const char* name;
    std::vector<std::string> arguments;
    std::string line;     // the file's line on standard error, {in} and {out} expanded
    const char* summary;  // the last line of standard error
    int status;
    const char* input = "";
    bool interactive = false;
  };
  const Case cases[] = {
      {"protected type",
       {"rename", "--in-place", "{in}/setup.exe"},
       "not renamed: {in}/setup.exe: protected file type",
       "1 file not renamed: 1 of a protected type",
       0},
      {"type filter, numbering",
       {"rename", "--in-place", "--types", "txt", "{in}/c.doc"},
       "not renamed: {in}/c.doc: left out by the type filter (--types)",
       "1 file not renamed: 1 left out by the type filter",
       0},
      // The mode runs drop such a file without a result line; it still gets its line.
      {"type filter, other mode",
       {"ext", "--in-place", "--new-ext", "md", "--types", "txt", "{in}/c.doc"},
       "not renamed: {in}/c.doc: left out by the type filter (--types)",
       "1 file not renamed: 1 left out by the type filter",
       0},
      {"missing",
       {"add", "--output", "{out}", "--prefix", "x", "{in}/gone.txt"},
       "not copied: {in}/gone.txt: missing (no such file)",
       "1 file not copied: 1 missing",
       1},
      {"path too long",
       {"add", "--output", "{out}", "--prefix", "x", "{in}/" + std::string(256, 'n')},
       "not copied: {in}/" + std::string(256, 'n') +
           ": its path is too long for the file system (a name in it is longer than it allows)",
       "1 file not copied: 1 with a path too long to use",
       1},
      {"no --find text",
       {"replace", "--in-place", "--find", "zz", "--replace-with", "y", "{in}/a.txt"},
       "not renamed: {in}/a.txt: its name does not contain the --find text",
       "1 file not renamed: 1 without the --find text",
       0},
      {"taken, skip chosen",
       {"rename", "--output", "{out}", "--on-conflict", "skip", "{in}/a.txt"},
       "not copied: {in}/a.txt: its new name {out}/1.txt is taken (skipped: --on-conflict skip)",
       "1 file not copied: 1 with the new name taken",
       0},
      {"taken, nobody to ask",
       {"rename", "--output", "{out}", "{in}/a.txt"},
       "not copied: {in}/a.txt: its new name {out}/1.txt is taken (skipped: no terminal to ask; "
       "--on-conflict chooses)",
       "1 file not copied: 1 with the new name taken",
       1},
      {"taken, skip answered",
       {"rename", "--output", "{out}", "{in}/a.txt"},
       "not copied: {in}/a.txt: its new name {out}/1.txt is taken (skipped as answered)",
       "1 file not copied: 1 with the new name taken",
       0,
       "s\n",
       true},
      {"taken, terminal closed",
       {"rename", "--output", "{out}", "{in}/a.txt"},
       "not copied: {in}/a.txt: its new name {out}/1.txt is taken (skipped: no answer)",
       "1 file not copied: 1 with the new name taken",
       1,
       "",
       true},
      {"taken, renaming in place",
       {"ext", "--in-place", "--new-ext", "md", "{in}/a.txt"},
       "not renamed: {in}/a.txt: its new name {in}/a.md is taken (a rename never replaces another file)",
       "1 file not renamed: 1 with the new name taken",
       1},
      // A folder in the way is no taken name: the copy fails.
      {"failed",
       {"add", "--output", "{out}", "--prefix", "x_", "{in}/a.txt"},
       "not copied: {in}/a.txt: copying to {out}/x_a.txt failed",
       "1 file not copied: 1 failed",
       1},
  };
  for (const Case& c : cases) {
    m_folder.CreateFiles({"in/a.txt", "in/a.md", "in/c.doc", "in/setup.exe", "out/1.txt", "out/x_a.txt/"});
    std::vector<std::string> arguments;
    for (const std::string& argument : c.arguments) arguments.push_back(Expand(argument));
    const int status = Batch(arguments, c.input, c.interactive);
    const std::string err = m_err.str();
    EXPECT_EQ(status, c.status) << c.name << "\n" << err;
    EXPECT_NE(err.find(Expand(c.line) + "\n"), std::string::npos) << c.name << "\n" << err;
    EXPECT_TRUE(err.ends_with("\n" + std::string(c.summary) + "\n")) << c.name << "\n" << err;
    // The result lines stay as they were: the explanation is not among them.
    EXPECT_EQ(m_out.str().find("not "), std::string::npos) << c.name;
    EXPECT_EQ(m_folder.ReadFile("Result.dat").find("not "), std::string::npos) << c.name;
    std::filesystem::remove_all(P("in"));
    std::filesystem::remove_all(P("out"));
  }
}

TEST_F(LeftFilesTest, FilesOfAFolderLeftOutByTypesAreCountedOnce) {
  m_folder.CreateFiles({"in/a.txt", "in/b.jpg", "in/c.png", "in/sub/", "in/d.png"});
  const std::vector<std::string> run = {"rename", "--in-place", "--types", "txt", P("in"), P("in/d.png")};
  for (const char* dry : {"--dry-run", ""}) {
    std::vector<std::string> arguments = run;
    if (*dry != '\0') arguments.push_back(dry);
    EXPECT_EQ(Batch(arguments), 0) << m_err.str();
    // d.png has a line of its own; the folder's b.jpg and c.png are counted; sub is no file.
    EXPECT_TRUE(
        m_err.str().ends_with("1 left out by the type filter\n2 files of the folders given left out by "
                              "--types txt\n"))
        << m_err.str();
  }
}

TEST_F(LeftFilesTest, CountsAddUpPerReasonAndNothingIsSaidWhenAllIsDone) {
  m_folder.CreateFiles({"in/a.txt", "in/b.txt", "in/c.doc", "in/setup.exe", "out/1.txt"});
  EXPECT_EQ(
      Batch({"rename", "--output", P("out"), "--types", "txt,exe", P("in"), P("in/c.doc"), P("in/gone.txt")}),
      1);
  EXPECT_TRUE(
      m_err.str().ends_with("\n4 files not copied: 1 with the new name taken, 1 of a protected type, 1 left "
                            "out by the type filter, 1 missing\n"))
      << m_err.str();

  EXPECT_EQ(Batch({"rename", "--output", P("out"), "--start", "5", P("in/a.txt")}), 0);
  EXPECT_EQ(m_err.str().find("not copied"), std::string::npos) << m_err.str();
}

// A script that copies the same files twice learns that the second run did nothing.
TEST_F(LeftFilesTest, SecondCopyIntoTheResultsLeavesEveryFile) {
  struct Case {
    std::vector<std::string> command;
    const char* first;  // the new name of a.txt
    const char* second;
  };
  const Case cases[] = {
      {{"rename", "--front", "r_"}, "r_1.txt", "r_2.txt"},
      {{"add", "--prefix", "x_"}, "x_a.txt", "x_b.txt"},
  };
  for (const Case& c : cases) {
    m_folder.CreateFiles({"in/a.txt", "in/b.txt", "out/"});
    std::vector<std::string> arguments = c.command;
    arguments.insert(arguments.end(), {"--output", P("out"), P("in")});
    ASSERT_EQ(Batch(arguments), 0) << m_err.str();

    EXPECT_EQ(Batch(arguments), 1) << c.first;
    const std::string err = m_err.str();
    EXPECT_NE(
        err.find("not copied: " + P("in/a.txt") + ": its new name " + P("out/") + c.first + " is taken"),
        std::string::npos)
        << err;
    EXPECT_NE(
        err.find("not copied: " + P("in/b.txt") + ": its new name " + P("out/") + c.second + " is taken"),
        std::string::npos)
        << err;
    EXPECT_TRUE(err.ends_with("\n2 files not copied: 2 with the new name taken\n")) << err;

    arguments.insert(arguments.end() - 1, {"--on-conflict", "skip"});
    EXPECT_EQ(Batch(arguments), 0) << c.first;
    EXPECT_TRUE(m_err.str().ends_with("\n2 files not copied: 2 with the new name taken\n")) << m_err.str();
    std::filesystem::remove_all(P("in"));
    std::filesystem::remove_all(P("out"));
  }
}

TEST_F(LeftFilesTest, DryRunNamesTheFilesItWouldLeave) {
  m_folder.CreateFiles({"in/a.txt", "in/setup.exe"});
  EXPECT_EQ(Batch({"add", "--in-place", "--prefix", "x", "--dry-run", P("in")}), 0);
  EXPECT_NE(m_err.str().find("not renamed: " + P("in/setup.exe") + ": protected file type\n"),
            std::string::npos)
      << m_err.str();
  EXPECT_TRUE(m_err.str().ends_with("\n1 file not renamed: 1 of a protected type\n")) << m_err.str();
}

}  // namespace
}  // namespace morvane::cli
