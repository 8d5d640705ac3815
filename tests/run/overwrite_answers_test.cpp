#include "run_fixture.h"

namespace morvane::test {
namespace {

using core::OverwriteChoice;

class OverwriteAnswersTest : public RunFixture {};

// Each answer's effect on one conflict: the file taken at out/1.txt, two targets.
TEST_F(OverwriteAnswersTest, EachAnswerMovesTheCountersAsTheAlertSays) {
  struct Case {
    const char* name;
    OverwriteChoice answer;
    int success;
    int failure;
    const char* takenContent;  // out/1.txt afterwards
    const char* secondName;    // where b.txt went
    bool aborted;
  };
  const Case cases[] = {
      {"overwrite", OverwriteChoice::Overwrite, 2, 0, "a", "2.txt", false},
      {"overwrite all", OverwriteChoice::OverwriteAll, 2, 0, "a", "2.txt", false},
      {"auto", OverwriteChoice::Auto, 2, 0, "taken", "3.txt", false},
      {"skip uses the number up", OverwriteChoice::Skip, 1, 0, "taken", "2.txt", false},
      {"closing the alert skips", OverwriteChoice::None, 1, 0, "taken", "2.txt", false},
      {"abort", OverwriteChoice::Abort, 0, 0, "taken", nullptr, true},
  };
  for (const Case& c : cases) {
    TempFolder folder;
    folder.CreateFiles({"in/a.txt", "in/b.txt", "out/"});
    folder.WriteFile("in/a.txt", "a");
    folder.WriteFile("out/1.txt", "taken");
    ScriptedInteraction interaction;
    interaction.answers = {c.answer};
    core::RunSettings settings;
    settings.startText = "1";
    settings.outputFolder = folder.Path("out");
    core::ResultLog log(folder.Path("Result.dat"), "", false, m_fileSystem);
    core::SequenceRun run({settings, core::BuildExtensionFilter("*"), "", {}}, m_fileSystem, log,
                          interaction);
    run.Collect({folder.Path("in")});
    run.Execute();
    run.WriteSummary();
    EXPECT_EQ(run.State().successCount, c.success) << c.name;
    EXPECT_EQ(run.State().failureCount, c.failure) << c.name;
    EXPECT_EQ(run.State().abortRequested, c.aborted) << c.name;
    EXPECT_EQ(folder.ReadFile("out/1.txt"), c.takenContent) << c.name;
    if (c.secondName != nullptr) {
      EXPECT_TRUE(folder.Exists(std::string("out/") + c.secondName)) << c.name;
    }
    ASSERT_EQ(interaction.questions.size(), 1u) << c.name;
    EXPECT_TRUE(interaction.questions[0].overwriteOffered) << c.name;
    EXPECT_EQ(interaction.questions[0].sourcePath, folder.Path("in/a.txt")) << c.name;
    const std::string result = folder.ReadFile("Result.dat");
    EXPECT_EQ(result.find("以降のリネーム処理はすべてキャンセルされました。") != std::string::npos, c.aborted)
        << c.name;
  }
}

TEST_F(OverwriteAnswersTest, OverwriteAllAsksNoMoreInThisRunButAgainInTheNext) {
  m_folder.CreateFiles({"in/a.txt", "in/b.txt", "out/1.txt", "out/2.txt"});
  m_interaction.answers = {OverwriteChoice::OverwriteAll};
  EXPECT_EQ(Run(CopyTo("out"), {"in"}).successCount, 2);
  EXPECT_EQ(m_interaction.questions.size(), 1u);

  m_interaction.answers = {OverwriteChoice::Skip, OverwriteChoice::Skip};
  Run(CopyTo("out"), {"in"});
  EXPECT_EQ(m_interaction.questions.size(), 3u);
}

TEST_F(OverwriteAnswersTest, AutoTakesTheNextFreeNumberAndTheRunGoesOnFromThere) {
  m_folder.CreateFiles({"in/a.txt", "in/b.txt", "out/1.txt", "out/2.txt", "out/3.txt"});
  m_interaction.answers = {OverwriteChoice::Auto};
  Run(CopyTo("out"), {"in"});
  EXPECT_TRUE(ResultHasLine("       -> " + m_folder.Path("out/4.txt")));
  EXPECT_TRUE(ResultHasLine("       -> " + m_folder.Path("out/5.txt")));
}

TEST_F(OverwriteAnswersTest, AutoWithoutAFreeNumberEndsAtTheMaximum) {
  m_folder.CreateFiles({"in/a.txt", "out/01.txt", "out/50.txt", "out/99.txt"});
  core::RunSettings settings = CopyTo("out", "01");
  settings.increment = 49;
  m_interaction.answers = {OverwriteChoice::Auto};
  const core::SequenceRunState state = Run(settings, {"in/a.txt"});
  EXPECT_EQ(state.successCount + state.failureCount, 0);
  EXPECT_EQ(m_interaction.informations,
            std::vector<std::string>{
                "通し番号が最大値を超えたのでリネーム処理を終了します。\r\n通し番号=148　最大値=99"});
}

TEST_F(OverwriteAnswersTest, AutoWithIncrementZeroStillEnds) {
  m_folder.CreateFiles({"in/a.txt", "in/b.txt", "out/1.txt"});
  core::RunSettings settings = CopyTo("out");
  settings.increment = 0;
  m_interaction.answers = {OverwriteChoice::Auto};
  EXPECT_EQ(Run(settings, {"in"}).successCount, 2);
  EXPECT_TRUE(m_folder.Exists("out/2.txt"));
  EXPECT_TRUE(m_folder.Exists("out/3.txt"));
}

TEST_F(OverwriteAnswersTest, RenamingInPlaceNeverReplacesAFile) {
  m_folder.CreateFiles({"in/a.txt", "in/1.txt"});
  m_folder.WriteFile("in/a.txt", "a");
  m_folder.WriteFile("in/1.txt", "one");
  m_interaction.answers = {OverwriteChoice::Skip};
  Run(InPlace(), {"in/a.txt"});
  ASSERT_EQ(m_interaction.questions.size(), 1u);
  EXPECT_FALSE(m_interaction.questions[0].overwriteOffered);
  EXPECT_EQ(m_folder.ReadFile("in/a.txt"), "a");
  EXPECT_EQ(m_folder.ReadFile("in/1.txt"), "one");
}

TEST_F(OverwriteAnswersTest, CopyOntoItselfFailsAndUsesTheNumberUp) {
  m_folder.CreateFiles({"in/1.txt", "in/b.txt"});
  m_folder.WriteFile("in/1.txt", "one");
  m_interaction.answers = {OverwriteChoice::Overwrite};
  const core::SequenceRunState state = Run(CopyTo("in"), {"in/1.txt", "in/b.txt"});
  EXPECT_EQ(state.failureCount, 1);
  EXPECT_EQ(m_folder.ReadFile("in/1.txt"), "one");
  EXPECT_TRUE(m_folder.Exists("in/2.txt"));
}

// Copying into the sources' own folder: a new name that is a source still waiting its
// turn is never overwritten, even after "overwrite all".
TEST_F(OverwriteAnswersTest, WaitingSourcesAreNeverOverwritten) {
  m_folder.CreateFiles({"in/a.txt", "in/b.txt", "in/2.txt", "in/3.txt", "in/c.txt", "in/1.txt", "in/5.txt"});
  for (const char* name : {"a.txt", "b.txt", "2.txt", "3.txt", "c.txt"})
    m_folder.WriteFile(std::string("in/") + name, name);
  core::RunSettings settings = CopyTo("in");
  settings.sortType = core::SortType::UserOrder;
  m_interaction.answers = {OverwriteChoice::OverwriteAll, OverwriteChoice::Skip, OverwriteChoice::Skip};
  Run(settings, {"in/a.txt", "in/b.txt", "in/2.txt", "in/3.txt", "in/c.txt"});

  ASSERT_EQ(m_interaction.questions.size(), 3u);
  EXPECT_TRUE(m_interaction.questions[0].overwriteOffered);   // 1.txt: not in the run
  EXPECT_FALSE(m_interaction.questions[1].overwriteOffered);  // 2.txt: still waiting
  EXPECT_FALSE(m_interaction.questions[2].overwriteOffered);  // 3.txt: still waiting
  EXPECT_EQ(m_folder.ReadFile("in/1.txt"), "a.txt");
  EXPECT_EQ(m_folder.ReadFile("in/2.txt"), "2.txt");
  EXPECT_EQ(m_folder.ReadFile("in/3.txt"), "3.txt");
  EXPECT_EQ(m_folder.ReadFile("in/4.txt"), "3.txt");
  EXPECT_EQ(m_folder.ReadFile("in/5.txt"), "c.txt");  // overwritten without a question
}

}  // namespace
}  // namespace morvane::test
