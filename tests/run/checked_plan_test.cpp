// What Start would do, planned without a change on disk: refused, planned, with the
// chain offer, or given up part way when asked from elsewhere.
#include "core/pipeline/checked_plan.h"

#include "core/fs/forwarding_file_system.h"
#include "run_fixture.h"

namespace morvane::test {
namespace {

using core::PlanOutcome;

// Asks the plan to stop once the listing has handed on a given number of entries.
class StopAfterEntries : public core::ForwardingFileSystem {
 public:
  StopAfterEntries(core::FileSystem& real, std::atomic<bool>& stop, int entries)
      : ForwardingFileSystem(real), m_stop(stop), m_entries(entries) {}

  void VisitFolder(std::string_view folder, std::string_view pattern,
                   const std::function<void(const core::DirectoryEntry&)>& visit) const override {
    ForwardingFileSystem::VisitFolder(folder, pattern, [&](const core::DirectoryEntry& entry) {
      if (m_entries-- == 0) m_stop = true;
      visit(entry);
    });
  }

 private:
  std::atomic<bool>& m_stop;
  mutable int m_entries;
};

class CheckedPlanTest : public RunFixture {
 protected:
  // Renumbering in place from start; the folder holds 1.txt, 2.txt and 3.txt.
  core::StartRequest Renumbering(const char* start) const {
    core::StartRequest request;
    request.startNumber = start;
    request.increment = "1";
    request.renameInPlace = true;
    request.fileTypes = core::AllFilesText();
    request.targets = {m_folder.Path("in")};
    return request;
  }
  void SetUp() override { m_folder.CreateFiles({"in/1.txt", "in/2.txt", "in/3.txt"}); }

  void ExpectNothingChanged() const {
    for (const char* name : {"in/1.txt", "in/2.txt", "in/3.txt"}) EXPECT_TRUE(m_folder.Exists(name)) << name;
    EXPECT_FALSE(m_folder.Exists("in/4.txt"));
    EXPECT_FALSE(m_folder.Exists("out"));
  }
};

TEST_F(CheckedPlanTest, PlansOffersChainsAndRefuses) {
  struct Case {
    const char* start;
    bool resolveChains;
    bool refused;
    std::size_t left;  // files the plan leaves as they are
    bool chainsOffered;
    const char* outputFolder = nullptr;  // copied into it, made by the checks; else in place
  } const cases[] = {
      {"11", false, false, 0, false},        // free names
      {"2", false, false, 2, true},          // 2 and 3 are taken by files that move later
      {"2", true, false, 0, false},          // ... which the chain-safe run resolves
      {"x", false, true, 0, false},          // not a number
      {"2", false, false, 0, false, "out"},  // into a folder the checks would make
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.start + std::string(c.resolveChains ? " resolving chains" : ""));
    core::StartRequest request = Renumbering(c.start);
    if (c.outputFolder != nullptr) {
      request.renameInPlace = false;
      request.outputFolder = m_folder.Path(c.outputFolder);
    }
    const core::CheckedPlan made = core::MakeCheckedPlan(request, c.resolveChains, m_protected, m_fileSystem);
    EXPECT_EQ(made.refusal.has_value(), c.refused) << made.refusal.value_or("");
    EXPECT_EQ(made.plan.CountOf(PlanOutcome::Copied), c.outputFolder != nullptr ? 3u : 0u);
    EXPECT_EQ(made.plan.entries.size(), c.refused ? 0u : 3u);
    EXPECT_EQ(made.plan.CountOf(PlanOutcome::TakenByRun), c.left);
    EXPECT_EQ(made.chainsOffered, c.chainsOffered);
  }
  ExpectNothingChanged();
}

TEST_F(CheckedPlanTest, AWatchedPlanTellsItsFilesAndStopsWhenAsked) {
  // Asked before it began, during the listing, or not at all.
  for (const int stopAfter : {0, 1, -1}) {
    SCOPED_TRACE(stopAfter);
    std::atomic<bool> stop = false;
    std::vector<std::size_t> told;
    core::PlanWatch watch;
    watch.stop = &stop;
    watch.collected = [&](std::size_t files) { told.push_back(files); };
    StopAfterEntries fileSystem(m_fileSystem, stop, stopAfter);
    if (stopAfter == -1) {
      EXPECT_EQ(core::MakeCheckedPlan(Renumbering("11"), false, m_protected, fileSystem, &watch)
                    .plan.entries.size(),
                3u);
      EXPECT_EQ(told, std::vector<std::size_t>{3});
    } else {
      EXPECT_THROW(core::MakeCheckedPlan(Renumbering("11"), false, m_protected, fileSystem, &watch),
                   core::PlanStopped);
      EXPECT_TRUE(told.empty());
    }
  }
  ExpectNothingChanged();
}

// A large listing shows as it goes, long before the plan's files are counted.
TEST_F(CheckedPlanTest, AWatchedPlanTellsItsListingAsItGrows) {
  constexpr std::size_t kFiles = 2'100;
  for (std::size_t i = 4; i <= kFiles; ++i) m_folder.WriteFile("in/" + std::to_string(i) + ".txt", "");
  std::vector<std::size_t> listed;
  std::vector<std::size_t> collected;
  core::PlanWatch watch;
  watch.listed = [&](std::size_t entries) { listed.push_back(entries); };
  watch.collected = [&](std::size_t files) { collected.push_back(files); };
  EXPECT_EQ(core::MakeCheckedPlan(Renumbering("5000"), false, m_protected, m_fileSystem, &watch)
                .plan.entries.size(),
            kFiles);
  EXPECT_EQ(collected, std::vector<std::size_t>{kFiles});
  // Every step, in order; a folder may be listed more than once.
  ASSERT_GE(listed.size(), 2u);
  for (std::size_t i = 0; i < listed.size(); ++i)
    EXPECT_EQ(listed[i], (i + 1) * core::PlanWatch::kListedStep);
}

}  // namespace
}  // namespace morvane::test
