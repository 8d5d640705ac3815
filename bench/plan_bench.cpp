// The plan of a sequential run in place over one folder of empty files, through the
// real file system, as morvane-batch --plan and the window's plan make it: the start
// checks give the ReadyRun, every built-in protected type is on (the settings' default),
// and MakeRunPlan runs the engine over a planning file system on PosixFileSystem.
//
// The folder holds img_000001.jpg ... img_<N>.jpg (six digits, so that the name order
// is the number order). Two numberings of it:
// - free: "photo_" + number from 1; no new name exists, so every file is renamed;
// - taken: "img_" + number from 000002, every file moved up by one; each new name but
//   the last is a file still waiting for its turn, so the plan leaves N - 1 files and
//   renames one. Each of those steps asks the disk four times (the source, the folder
//   and the destination before the rename is refused, then the destination again),
//   against three times for a free name; a free name still costs more on the whole,
//   as the plan records the rename, its log lines and the name it took.
//
// Three figures per case:
// - BM_Plan: the whole MakeRunPlan: the listing with one stat per file, the collection,
//   the ordering, the steps and the plan's entries;
// - BM_PlanListingOnly: only the file system calls of the collection: a Stat of the
//   folder and one ListFolder with the all-files pattern;
// - BM_PlanAfterListing: MakeRunPlan over a file system that hands out the listing taken
//   beforehand (a fresh copy each round, made while the clock is stopped) and passes
//   every other call to PosixFileSystem: the time from a listed folder to its plan,
//   measured directly rather than as a difference of two noisy figures. BM_Plan minus
//   BM_PlanListingOnly should come close to it.
//
// Each folder is made once for the whole program; a plan changes nothing on disk, so
// every round sees the same folder. After the first round the kernel's caches hold the
// folder and its names, as they do when a plan follows a listing just made.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/fs/forwarding_file_system.h"
#include "core/names/extension_filter.h"
#include "core/names/protected_extensions.h"
#include "core/pipeline/run_plan.h"
#include "core/pipeline/start_checks.h"
#include "core/settings/protected_extension_settings.h"
#include "platform/posix_file_system.h"

namespace {

namespace fs = std::filesystem;
using morvane::core::DirectoryEntry;
using morvane::core::FileSystem;
using morvane::core::ForwardingFileSystem;
using morvane::core::PlanOutcome;
using morvane::core::ReadyRun;
using morvane::core::RunPlan;
using morvane::platform::PosixFileSystem;

enum class Names { Free = 0, Taken = 1 };

// count empty files img_000001.jpg ... in a new temporary folder, removed at exit.
class PlanFolder {
 public:
  explicit PlanFolder(int count) {
    std::string pattern = (fs::temp_directory_path() / "morvane-plan-bench-XXXXXX").string();
    m_path = mkdtemp(pattern.data());
    for (int i = 1; i <= count; ++i) {
      char name[32];
      std::snprintf(name, sizeof name, "/img_%06d.jpg", i);
      const int file = open((m_path + name).c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
      if (file >= 0) close(file);
    }
  }
  ~PlanFolder() { fs::remove_all(m_path); }
  const std::string& Path() const { return m_path; }

 private:
  std::string m_path;
};

const PlanFolder& SharedFolder(int count) {
  static std::map<int, std::unique_ptr<PlanFolder>> folders;
  std::unique_ptr<PlanFolder>& folder = folders[count];
  if (!folder) folder = std::make_unique<PlanFolder>(count);
  return *folder;
}

class GoAhead : public morvane::core::StartAnswers {
 public:
  bool Ask(const morvane::core::StartQuestion&) override { return true; }
};

// The run as morvane-batch rename --in-place builds it from its options; nothing when
// the start checks refuse it.
std::optional<ReadyRun> MakeReadyRun(const std::string& folder, Names names, FileSystem& fileSystem) {
  morvane::core::StartRequest request;
  request.mode = morvane::core::OperatingMode::SequentialRename;
  request.startNumber = names == Names::Free ? "1" : "000002";
  request.frontPart = names == Names::Free ? "photo_" : "img_";
  request.increment = "1";
  request.renameInPlace = true;
  request.fileTypes = morvane::core::AllFilesText();
  request.targets = {folder};
  GoAhead answers;
  return morvane::core::CheckStart(request, fileSystem, answers).run;
}

const morvane::core::ProtectedExtensions& DefaultProtectedExtensions() {
  static const morvane::core::ProtectedExtensions extensions = morvane::core::MakeProtectedExtensions(
      {true, true, true, true, true, true, true, true}, "", morvane::core::ActiveCodePage());
  return extensions;
}

// The real file system, except that the one folder's listing is the one handed to it.
class ListedFolder : public ForwardingFileSystem {
 public:
  ListedFolder(FileSystem& real, std::string folder)
      : ForwardingFileSystem(real), m_folder(std::move(folder)) {}

  void Hand(std::vector<DirectoryEntry> listing) { m_listing = std::move(listing); }

  void VisitFolder(std::string_view folder, std::string_view pattern,
                   const std::function<void(const DirectoryEntry&)>& visit) const override {
    if (folder != m_folder) return ForwardingFileSystem::VisitFolder(folder, pattern, visit);
    for (const DirectoryEntry& entry : m_listing) visit(entry);
  }

 private:
  std::string m_folder;
  mutable std::vector<DirectoryEntry> m_listing;
};

// What the plan must hold; a plan that holds something else measures another run. Only
// the counts and the renamed files are compared, not how the left files are told apart.
bool AsExpected(const RunPlan& plan, int count, Names names) {
  const auto files = static_cast<std::size_t>(count);
  const int renamed = names == Names::Free ? count : 1;
  return plan.entries.size() == files && plan.counts.failureCount == 0 &&
         plan.counts.successCount == renamed &&
         plan.CountOf(PlanOutcome::Renamed) == static_cast<std::size_t>(renamed);
}

void BM_Plan(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const auto names = static_cast<Names>(state.range(1));
  const std::string& folder = SharedFolder(count).Path();
  PosixFileSystem fileSystem;
  const std::optional<ReadyRun> run = MakeReadyRun(folder, names, fileSystem);
  if (!run) {
    state.SkipWithError("the start checks refused the run");
    return;
  }
  const std::vector<std::string> targets = {folder};
  for (auto _ : state) {
    const RunPlan plan = MakeRunPlan(*run, DefaultProtectedExtensions(), fileSystem, targets);
    if (!AsExpected(plan, count, names)) {
      state.SkipWithError("the plan is not the expected one");
      break;
    }
  }
  state.SetItemsProcessed(state.iterations() * count);
}

void BM_PlanListingOnly(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const std::string& folder = SharedFolder(count).Path();
  const PosixFileSystem fileSystem;
  const std::string pattern = morvane::core::EnumerationPattern("*");
  for (auto _ : state) {
    benchmark::DoNotOptimize(fileSystem.Stat(folder));
    const std::vector<DirectoryEntry> listing = fileSystem.ListFolder(folder, pattern);
    if (listing.size() != static_cast<std::size_t>(count)) {
      state.SkipWithError("the listing is incomplete");
      break;
    }
  }
  state.SetItemsProcessed(state.iterations() * count);
}

void BM_PlanAfterListing(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const auto names = static_cast<Names>(state.range(1));
  const std::string& folder = SharedFolder(count).Path();
  PosixFileSystem real;
  ListedFolder fileSystem(real, folder);
  const std::optional<ReadyRun> run = MakeReadyRun(folder, names, real);
  if (!run) {
    state.SkipWithError("the start checks refused the run");
    return;
  }
  const std::vector<std::string> targets = {folder};
  const std::vector<DirectoryEntry> listing = real.ListFolder(folder, morvane::core::EnumerationPattern("*"));
  for (auto _ : state) {
    state.PauseTiming();
    fileSystem.Hand(listing);
    state.ResumeTiming();
    const RunPlan plan = MakeRunPlan(*run, DefaultProtectedExtensions(), fileSystem, targets);
    if (!AsExpected(plan, count, names)) {
      state.SkipWithError("the plan is not the expected one");
      break;
    }
  }
  state.SetItemsProcessed(state.iterations() * count);
}

void PlanSizes(benchmark::internal::Benchmark* benchmark) {
  benchmark->ArgNames({"files", "taken"});
  for (const int count : {10'000, 100'000}) {
    for (const Names names : {Names::Free, Names::Taken}) benchmark->Args({count, static_cast<int>(names)});
  }
  benchmark->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(3)->ReportAggregatesOnly(true);
}

void ListingSizes(benchmark::internal::Benchmark* benchmark) {
  benchmark->ArgNames({"files"})->Arg(10'000)->Arg(100'000);
  benchmark->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(3)->ReportAggregatesOnly(true);
}

}  // namespace

BENCHMARK(BM_Plan)->Apply(PlanSizes);
BENCHMARK(BM_PlanListingOnly)->Apply(ListingSizes);
BENCHMARK(BM_PlanAfterListing)->Apply(PlanSizes);
