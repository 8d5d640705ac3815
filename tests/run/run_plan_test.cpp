// The plan lists every file the run meets with what the run will do, and changes nothing.
#include "core/pipeline/run_plan.h"

#include "run_fixture.h"

namespace morvane::test {
namespace {

using core::PlanOutcome;

class RunPlanTest : public RunFixture {};

TEST_F(RunPlanTest, EveryFileWithItsOutcome) {
  m_folder.CreateFiles({"in/a.txt", "in/b.txt", "in/c.txt", "in/setup.exe", "out/2.txt"});
  core::ReadyRun run;
  run.fileTypes = core::AllFilesText(core::CodePage::Utf8());
  run.numbering = CopyTo("out");
  struct Case {
    core::OverwriteChoice answer;
    std::vector<PlanOutcome> outcomes;  // in run order: the protected file, a, b, c
    std::vector<std::string> newNames;
  } const cases[] = {
      {core::OverwriteChoice::Skip,
       {PlanOutcome::Protected, PlanOutcome::Copied, PlanOutcome::Taken, PlanOutcome::Copied},
       {"", "out/1.txt", "out/2.txt", "out/3.txt"}},
      {core::OverwriteChoice::Auto,
       {PlanOutcome::Protected, PlanOutcome::Copied, PlanOutcome::Copied, PlanOutcome::Copied},
       {"", "out/1.txt", "out/3.txt", "out/4.txt"}},
      {core::OverwriteChoice::OverwriteAll,
       {PlanOutcome::Protected, PlanOutcome::Copied, PlanOutcome::Overwritten, PlanOutcome::Copied},
       {"", "out/1.txt", "out/2.txt", "out/3.txt"}},
  };
  for (const Case& c : cases) {
    const core::RunPlan plan = core::MakeRunPlan(run, m_protected, m_fileSystem, {m_folder.Path("in")},
                                                 c.answer, core::CodePage::Utf8());
    ASSERT_EQ(plan.entries.size(), c.outcomes.size());
    for (std::size_t i = 0; i < c.outcomes.size(); ++i) {
      EXPECT_EQ(plan.entries[i].outcome, c.outcomes[i]) << core::OutcomeName(plan.entries[i].outcome);
      EXPECT_EQ(plan.entries[i].newPath, c.newNames[i].empty() ? "" : m_folder.Path(c.newNames[i]));
      EXPECT_EQ(plan.entries[i].asked, i == 2) << i;
    }
    EXPECT_EQ(plan.CountOf(PlanOutcome::Protected), 1u);
  }
  EXPECT_FALSE(m_folder.Exists("out/1.txt"));
  EXPECT_FALSE(m_folder.Exists("Result.dat"));
}

}  // namespace
}  // namespace morvane::test
