// Renumbering a folder in place onto its own names: files that still wait for their turn
// step aside to a temporary name, so every file reaches its planned name, and a failing
// rename at any point loses no file.
#include "core/pipeline/chain_safe_run.h"

#include <cstdio>
#include <filesystem>
#include <map>
#include <set>

#include "core/fs/forwarding_file_system.h"
#include "core/pipeline/run_plan.h"
#include "run_fixture.h"

namespace morvane::test {
namespace {

namespace fs = std::filesystem;
using core::PlanOutcome;

// Fails the rename with the given number (counted from 1), as a full or broken disk would.
class FailingRename : public core::ForwardingFileSystem {
 public:
  FailingRename(core::FileSystem& real, int failing) : ForwardingFileSystem(real), m_failing(failing) {}

  core::FsResult Rename(std::string_view from, std::string_view to) override {
    if (++renames == m_failing) return {core::FsStatus::Failed, 5};
    return ForwardingFileSystem::Rename(from, to);
  }

  int renames = 0;

 private:
  int m_failing;
};

std::string NumberedName(int number, int width) {
  std::string digits = std::to_string(number);
  return std::string(static_cast<std::size_t>(width) - digits.size(), '0') + digits + ".txt";
}

class ChainSafeRunTest : public RunFixture {
 protected:
  // Files 1..count, each holding its own name.
  void MakeNumberedFiles(int count, int width) {
    fs::create_directories(m_folder.Path("in"));
    for (int number = 1; number <= count; ++number) {
      const std::string name = NumberedName(number, width);
      m_folder.WriteFile("in/" + name, name);
    }
  }

  core::ReadyRun Renumbering(const char* start, bool descending, bool resolveChains = false) const {
    core::ReadyRun run;
    run.resolveChains = resolveChains;
    run.fileTypes = core::AllFilesText(core::CodePage::Utf8());
    run.numbering = InPlace(start);
    run.numbering.descending = descending;
    return run;
  }

  std::size_t RunChainSafe(core::ReadyRun run, core::FileSystem& fileSystem) {
    core::ResultLog log(m_folder.Path("Result.dat"), m_folder.Path("Rename.log"), false, fileSystem);
    core::ChainSafeRun engine(std::move(run), m_protected, fileSystem, log, m_interaction,
                              core::CodePage::Utf8());
    core::DriveRun(
        engine, log, {m_folder.Path("in")}, {}, [] { return kTime; }, core::CodePage::Utf8());
    return engine.LeftAside();
  }

  // Old name -> new name of each rename the result file tells.
  std::map<std::string, std::string> RenamesInResult() const {
    std::map<std::string, std::string> renames;
    const std::vector<std::string> lines = ResultLines();
    const std::string renamed = "リネーム：" + m_folder.Path("in/");
    const std::string arrow = "       -> ";
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
      if (lines[i].starts_with(renamed) && lines[i + 1].starts_with(arrow)) {
        renames[lines[i].substr(renamed.size())] = lines[i + 1].substr(arrow.size());
      }
    }
    return renames;
  }

  // Name -> content of every file in the folder.
  std::map<std::string, std::string> Contents() const {
    std::map<std::string, std::string> contents;
    for (const fs::directory_entry& entry : fs::directory_iterator(m_folder.Path("in"))) {
      const std::string name = entry.path().filename().string();
      contents[name] = m_folder.ReadFile("in/" + name);
    }
    return contents;
  }
};

TEST_F(ChainSafeRunTest, EveryFileReachesItsPlannedName) {
  struct Case {
    const char* what;
    int count;
    const char* start;
    bool descending;
    int (*newNumber)(int number, int count);
  } const cases[] = {
      {"reversing 1,000 files", 1000, "0001", true, [](int number, int count) { return count + 1 - number; }},
      {"shifting 1,000 files by one", 1000, "0002", false, [](int number, int) { return number + 1; }},
      {"a cycle of two", 2, "1", true, [](int number, int) { return 3 - number; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const int width = static_cast<int>(std::string(c.start).size());
    fs::remove_all(m_folder.Path("in"));
    MakeNumberedFiles(c.count, width);
    const std::vector<std::string> targets = {m_folder.Path("in")};

    const core::RunPlan plan =
        core::MakeRunPlan(Renumbering(c.start, c.descending), m_protected, m_fileSystem, targets,
                          core::OverwriteChoice::Skip, core::CodePage::Utf8());
    const core::RunPlan chainSafe =
        core::MakeRunPlan(Renumbering(c.start, c.descending, true), m_protected, m_fileSystem, targets,
                          core::OverwriteChoice::Skip, core::CodePage::Utf8());
    EXPECT_GT(plan.CountOf(PlanOutcome::TakenByRun), 0u);
    EXPECT_EQ(chainSafe.CountOf(PlanOutcome::Renamed), static_cast<std::size_t>(c.count));
    EXPECT_TRUE(core::ChainsResolvable(plan, chainSafe));

    EXPECT_EQ(RunChainSafe(Renumbering(c.start, c.descending), m_fileSystem), 0u);
    EXPECT_TRUE(m_interaction.questions.empty());
    const std::map<std::string, std::string> contents = Contents();
    ASSERT_EQ(contents.size(), static_cast<std::size_t>(c.count));
    for (int number = 1; number <= c.count; ++number) {
      const std::string newName = NumberedName(c.newNumber(number, c.count), width);
      ASSERT_TRUE(contents.contains(newName)) << newName;
      EXPECT_EQ(contents.at(newName), NumberedName(number, width));
    }
    // The result file tells the final renames as usual.
    EXPECT_EQ(RenamesInResult().size(), static_cast<std::size_t>(c.count));
  }
}

TEST_F(ChainSafeRunTest, AConflictWithAFileOutsideTheRunIsNoChain) {
  MakeNumberedFiles(3, 1);
  // The run renumbers 1 and 2 by one; 3 is no file of the run, so 2 cannot take its name.
  const std::vector<std::string> targets = {m_folder.Path("in/1.txt"), m_folder.Path("in/2.txt")};
  const core::RunPlan plan = core::MakeRunPlan(Renumbering("2", false), m_protected, m_fileSystem, targets,
                                               core::OverwriteChoice::Skip, core::CodePage::Utf8());
  const core::RunPlan chainSafe =
      core::MakeRunPlan(Renumbering("2", false, true), m_protected, m_fileSystem, targets,
                        core::OverwriteChoice::Skip, core::CodePage::Utf8());
  ASSERT_EQ(plan.entries.size(), 2u);
  EXPECT_EQ(plan.entries[0].outcome, PlanOutcome::TakenByRun);
  EXPECT_EQ(plan.entries[1].outcome, PlanOutcome::Taken);
  EXPECT_FALSE(core::ChainsResolvable(plan, chainSafe));
}

// Whichever rename fails (a step aside, a file's own rename, a return from aside), every
// file is still under its old name, its new name, or a temporary name the result file
// names, with its content.
TEST_F(ChainSafeRunTest, AFailingRenameAnywhereLosesNoFile) {
  constexpr int kCount = 6;
  int renamesOfACleanRun = 0;
  {
    MakeNumberedFiles(kCount, 1);
    FailingRename counting(m_fileSystem, 0);
    RunChainSafe(Renumbering("1", true), counting);
    renamesOfACleanRun = counting.renames;
    ASSERT_GT(renamesOfACleanRun, kCount);
  }
  for (int failing = 1; failing <= renamesOfACleanRun; ++failing) {
    SCOPED_TRACE("failing rename " + std::to_string(failing));
    fs::remove_all(m_folder.Path("in"));
    MakeNumberedFiles(kCount, 1);
    FailingRename fileSystem(m_fileSystem, failing);
    m_interaction.answers.assign(kCount, core::OverwriteChoice::Skip);
    RunChainSafe(Renumbering("1", true), fileSystem);

    const std::string result = m_folder.ReadFile("Result.dat");
    const std::map<std::string, std::string> renames = RenamesInResult();
    std::set<std::string> seen;
    for (const auto& [name, content] : Contents()) {
      const std::string oldName = content;  // each file holds its old name
      const auto renamed = renames.find(oldName);
      const bool underItsNewName = renamed != renames.end() && renamed->second == name;
      if (name != oldName && !underItsNewName) {
        EXPECT_NE(result.find("一時的な名前：" + m_folder.Path("in/" + name)), std::string::npos) << name;
      }
      seen.insert(content);
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(kCount));
  }
}

}  // namespace
}  // namespace morvane::test
