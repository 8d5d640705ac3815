// A run over the planning file system foresees the real run: over random folders whose
// names collide with each other, with files already in the way and with themselves
// after a change of case, in every mode, in place and copying, under every conflict
// answer but asking, the plan writes the same result lines, leaves the same files for
// the same reasons, ends with the same counts and names the same files as the real run
// does afterwards; and the plan itself changes nothing on disk.
#include <algorithm>
#include <filesystem>
#include <random>
#include <tuple>

#include "core/fs/planning_file_system.h"
#include "core/pipeline/ready_run.h"
#include "core/run/run_driver.h"
#include "run_fixture.h"

namespace morvane::test {
namespace {

using core::OperatingMode;
using core::OverwriteChoice;

enum class Policy { Skip, Overwrite, Auto, Abort };

// Answers every conflict alike, as the command line's --on-conflict does, and records
// what the run tells.
class PolicyInteraction : public core::RunInteraction {
 public:
  explicit PolicyInteraction(Policy policy) : m_policy(policy) {}

  OverwriteChoice AskOverwrite(const core::OverwriteQuestion& question) override {
    asked.push_back(std::string(question.newPath));
    switch (m_policy) {
      case Policy::Skip:
        return OverwriteChoice::Skip;
      case Policy::Overwrite:
        return question.overwriteOffered ? OverwriteChoice::OverwriteAll : OverwriteChoice::Skip;
      case Policy::Auto:
        return OverwriteChoice::Auto;
      case Policy::Abort:
        return OverwriteChoice::Abort;
    }
    return OverwriteChoice::Skip;
  }
  void ShowInformation(std::string_view text) override { told.emplace_back(text); }
  void SetCaption(std::string_view) override {}
  void ProgressBegin(std::size_t) override {}
  void ProgressStep() override {}
  void ProgressEnd() override {}
  void FileLeft(const core::LeftFile& file) override {
    left.emplace_back(static_cast<int>(file.reason), std::string(file.path), std::string(file.newPath));
  }
  void FileDone(const core::DoneFile& file) override {
    done.emplace_back(file.replaced ? 1 : 0, std::string(file.path), std::string(file.newPath));
  }

  std::vector<std::string> asked;
  std::vector<std::string> told;
  std::vector<std::tuple<int, std::string, std::string>> left;
  std::vector<std::tuple<int, std::string, std::string>> done;

 private:
  Policy m_policy;
};

struct Outcome {
  std::vector<std::string> lines;
  std::vector<std::string> asked;
  std::vector<std::tuple<int, std::string, std::string>> left;
  std::vector<std::tuple<int, std::string, std::string>> done;
  int successes = 0;
  int failures = 0;
  bool aborted = false;
  std::string endMessage;
};

// Names that meet each other: the same stem with other extensions, other cases, and
// the names the modes below make.
const char* const kNames[] = {"1.txt",  "2.txt", "3.txt", "a.txt",  "A.txt",  "A.TXT",   "b.txt",  "a.jpeg",
                              "1.jpeg", "x",     "y.TXT", "ab.txt", "bb.txt", "p_a.txt", "bz.txt", ".h.txt"};

class PlanPropertyTest : public RunFixture {
 protected:
  // A random set of the names with random contents in folder.
  void Fill(std::mt19937& random, const std::string& folder, int most) {
    m_folder.CreateFiles({folder + "/"});
    std::vector<std::string> names(std::begin(kNames), std::end(kNames));
    std::shuffle(names.begin(), names.end(), random);
    const int count = std::uniform_int_distribution<int>(0, most)(random);
    for (int i = 0; i < count; ++i) {
      m_folder.WriteFile(folder + "/" + names[static_cast<std::size_t>(i)],
                         std::string(std::uniform_int_distribution<std::size_t>(0, 40)(random), 'c'));
    }
  }

  // Every name and size in the folders, as the file system shows them.
  std::vector<std::string> Listing(const core::FileSystem& fileSystem,
                                   const std::vector<std::string>& folders) {
    std::vector<std::string> listing;
    for (const std::string& folder : folders) {
      for (const core::DirectoryEntry& entry : fileSystem.ListFolder(m_folder.Path(folder), "*")) {
        listing.push_back(folder + "/" + entry.name + " " + std::to_string(entry.info.size));
      }
    }
    std::ranges::sort(listing);
    return listing;
  }

  Outcome RunOver(core::FileSystem& fileSystem, const core::ReadyRun& run, Policy policy,
                  const std::vector<std::string>& targets) {
    Outcome outcome;
    PolicyInteraction interaction(policy);
    core::ResultLog log(m_folder.Path("Result.dat"), m_folder.Path("Rename.log"), false, fileSystem);
    log.SetObserver([&](std::string_view line) { outcome.lines.emplace_back(line); });
    const std::unique_ptr<core::RunEngine> engine =
        core::MakeRunEngine(run, m_protected, fileSystem, log, interaction, core::CodePage::Utf8());
    outcome.endMessage = core::DriveRun(
        *engine, log, targets, {}, [] { return kTime; }, core::CodePage::Utf8());
    log.Close();
    const core::RunCounts counts = engine->Counts();
    outcome.successes = counts.successCount;
    outcome.failures = counts.failureCount;
    outcome.aborted = counts.abortRequested;
    outcome.asked = interaction.asked;
    outcome.left = interaction.left;
    outcome.done = interaction.done;
    return outcome;
  }

  core::ReadyRun RandomRun(std::mt19937& random, OperatingMode mode, bool inPlace, const std::string& out) {
    auto chance = [&](int percent) { return std::uniform_int_distribution<int>(0, 99)(random) < percent; };
    core::ReadyRun run;
    run.mode = mode;
    run.fileTypes = core::AllFilesText(core::CodePage::Utf8());
    if (mode == OperatingMode::SequentialRename) {
      run.numbering.startText = chance(50) ? "1" : "2";
      run.numbering.descending = chance(50);
      run.numbering.renameInPlace = inPlace;
      run.numbering.outputFolder = out;
      run.numbering.changeExtension = chance(30);
      run.numbering.newExtensionText = "jpeg";
      return run;
    }
    core::ModeRunInputs& others = run.others;
    others.renameInPlace = inPlace || mode == OperatingMode::CaseConversion;
    others.outputFolder = mode == OperatingMode::CaseConversion ? std::string() : out;
    others.names.changeExtension = mode == OperatingMode::ExtensionChange || chance(20);
    others.names.newExtensionText = chance(50) ? "txt" : "TXT";
    others.names.nameCase = std::uniform_int_distribution<int>(0, 2)(random);
    others.names.extensionCase = std::uniform_int_distribution<int>(0, 2)(random);
    if (mode == OperatingMode::CaseConversion && others.names.nameCase == 0) others.names.nameCase = 1;
    if (mode == OperatingMode::StringReplacement) {
      others.names.stringA = "a";
      others.names.stringB = chance(50) ? "b" : "";
      others.names.caseSensitive = chance(50);
    }
    if (mode == OperatingMode::StringAddition) {
      others.names.stringA = chance(50) ? "p_" : "b";
      others.names.stringB = chance(50) ? "" : "z";
    }
    return run;
  }
};

TEST_F(PlanPropertyTest, ThePlanIsWhatTheRunDoes) {
  std::mt19937 random(20261208);
  const OperatingMode modes[] = {OperatingMode::SequentialRename, OperatingMode::ExtensionChange,
                                 OperatingMode::CaseConversion, OperatingMode::StringReplacement,
                                 OperatingMode::StringAddition};
  int roundsWithConflicts = 0;
  int roundsWithFailures = 0;
  for (int round = 0; round < 300; ++round) {
    const OperatingMode mode = modes[round % std::size(modes)];
    const bool inPlace = mode == OperatingMode::CaseConversion || random() % 2 == 0;
    Policy policy = static_cast<Policy>(random() % 4);
    if (policy == Policy::Auto && mode != OperatingMode::SequentialRename) policy = Policy::Skip;
    const std::string in = "r" + std::to_string(round) + "/in";
    const std::string out = "r" + std::to_string(round) + "/out";
    Fill(random, in, 12);
    Fill(random, out, inPlace ? 0 : 10);
    const core::ReadyRun run = RandomRun(random, mode, inPlace, m_folder.Path(out));
    std::vector<std::string> targets{m_folder.Path(in)};
    SCOPED_TRACE("round " + std::to_string(round) + ", mode " + std::to_string(static_cast<int>(mode)) +
                 (inPlace ? ", in place" : ", copying") + ", policy " +
                 std::to_string(static_cast<int>(policy)));

    const std::vector<std::string> before = Listing(m_fileSystem, {in, out});
    core::PlanningFileSystem planning(m_fileSystem, core::CodePage::Utf8());
    const Outcome planned = RunOver(planning, run, policy, targets);
    const std::vector<std::string> plannedListing = Listing(planning, {in, out});
    ASSERT_EQ(Listing(m_fileSystem, {in, out}), before) << "the plan touched the disk";
    ASSERT_FALSE(m_folder.Exists("Result.dat")) << "the plan wrote a result file";

    const Outcome done = RunOver(m_fileSystem, run, policy, targets);
    EXPECT_EQ(planned.lines, done.lines);
    EXPECT_EQ(planned.asked, done.asked);
    EXPECT_EQ(planned.left, done.left);
    EXPECT_EQ(planned.done, done.done);
    EXPECT_EQ(planned.successes, done.successes);
    EXPECT_EQ(planned.failures, done.failures);
    EXPECT_EQ(planned.aborted, done.aborted);
    EXPECT_EQ(planned.endMessage, done.endMessage);
    EXPECT_EQ(plannedListing, Listing(m_fileSystem, {in, out}));
    roundsWithConflicts += done.asked.empty() ? 0 : 1;
    roundsWithFailures += done.failures > 0 ? 1 : 0;
    std::filesystem::remove(m_folder.Path("Result.dat"));
    if (HasFailure()) return;
  }
  // The folders are made to collide; a generator that stopped doing so would test little.
  EXPECT_GE(roundsWithConflicts, 60);
  EXPECT_GE(roundsWithFailures, 15);
}

}  // namespace
}  // namespace morvane::test
