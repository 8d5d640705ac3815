// What the undo journal costs a run: the same sequential run in place over 100,000 empty
// files, with the journal and without it, in process (the start checks, the engine over
// this computer's file system, the result file), so that the difference is the journal's
// alone. Every round takes a new front part, so every file is really renamed.
//
// A journaled run writes its result file every 50 ms instead of once per file, since the
// journal is what a killed run is undone from. So there are three runs:
// - journal: with the journal, the result file written every 50 ms (as the program runs);
// - plain: without it, the result file written once per file (as before the journal);
// - batched: without it, the result file written every 50 ms too.
// ratio is journal over plain, what a user sees; own_ratio is journal over batched, what
// the journal's records cost on their own. Each round runs all three, in a rotating
// order, so that drift of the machine's speed falls on all alike; the counters give the
// median of each:
//   morvane_benchmarks --benchmark_filter=JournalCost
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "batch_process.h"
#include "core/names/extension_filter.h"
#include "core/names/protected_extensions.h"
#include "core/pipeline/journaled_run.h"
#include "core/pipeline/start_checks.h"
#include "core/run/run_driver.h"
#include "core/settings/protected_extension_settings.h"
#include "median.h"
#include "platform/posix_file_system.h"

namespace {

namespace fs = std::filesystem;
using morvane::core::ResultLog;
using morvane::platform::PosixFileSystem;

// count empty files photo_000001.jpg ... and a program folder, removed at exit.
class JournalFolder {
 public:
  explicit JournalFolder(int count) {
    std::string pattern = (fs::temp_directory_path() / "morvane-journal-bench-XXXXXX").string();
    m_root = mkdtemp(pattern.data());
    fs::create_directory(Files());
    fs::create_directory(Home());
    for (int i = 1; i <= count; ++i) {
      char name[32];
      std::snprintf(name, sizeof name, "/photo_%06d.jpg", i);
      const int file = open((Files() + name).c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
      if (file >= 0) close(file);
    }
  }
  ~JournalFolder() { fs::remove_all(m_root); }
  std::string Files() const { return m_root + "/files"; }
  std::string Home() const { return m_root + "/home"; }

 private:
  std::string m_root;
};

const JournalFolder& SharedFolder(int count) {
  static std::map<int, std::unique_ptr<JournalFolder>> folders;
  std::unique_ptr<JournalFolder>& folder = folders[count];
  if (!folder) folder = std::make_unique<JournalFolder>(count);
  return *folder;
}

class GoAhead : public morvane::core::StartAnswers {
 public:
  bool Ask(const morvane::core::StartQuestion&) override { return true; }
};

class Quiet : public morvane::core::RunInteraction {
 public:
  morvane::core::OverwriteChoice AskOverwrite(const morvane::core::OverwriteQuestion&) override {
    return morvane::core::OverwriteChoice::Skip;
  }
  void ShowInformation(std::string_view) override {}
  void SetCaption(std::string_view) override {}
  bool ShowsCaption() const override { return false; }
  void ProgressBegin(std::size_t) override {}
  void ProgressStep() override {}
  void ProgressEnd() override {}
};

int NextRound() {
  static int round = 0;
  return round++;
}

enum class Variant { Journal = 0, Plain = 1, Batched = 2 };

// One sequential run in place over folder; its time in seconds, or nothing when the run
// did not rename every file.
std::optional<double> TimedRun(const JournalFolder& folder, int count, Variant variant) {
  const bool journal = variant == Variant::Journal;
  PosixFileSystem fileSystem;
  static const auto protectedTypes =
      morvane::core::MakeProtectedExtensions({}, "", morvane::core::ActiveCodePage());
  const auto start = std::chrono::steady_clock::now();
  morvane::core::StartRequest request;
  request.mode = morvane::core::OperatingMode::SequentialRename;
  request.startNumber = "1";
  request.frontPart = "r" + std::to_string(NextRound()) + "_";
  request.increment = "1";
  request.renameInPlace = true;
  request.fileTypes = morvane::core::AllFilesText();
  request.targets = {folder.Files()};
  GoAhead answers;
  std::optional<morvane::core::ReadyRun> run = morvane::core::CheckStart(request, fileSystem, answers).run;
  if (!run) return std::nullopt;
  ResultLog log(folder.Home() + "/Result.dat", folder.Home() + "/Rename.log", false, fileSystem);
  Quiet interaction;
  int done = 0;
  if (journal) {
    morvane::core::JournaledRun journaled(fileSystem, folder.Home(), std::move(*run), protectedTypes,
                                          morvane::core::LocalNow());
    if (journaled.Failure()) return std::nullopt;
    done = journaled.Drive(log, interaction, request.targets).counts.successCount;
  } else {
    if (variant != Variant::Plain) log.SetFlushInterval(morvane::core::kJournaledFlushInterval);
    const auto engine =
        morvane::core::MakeRunEngine(std::move(*run), protectedTypes, fileSystem, log, interaction);
    morvane::core::DriveRun(*engine, log, request.targets);
    done = engine->Counts().successCount;
  }
  log.Close();
  if (done != count) return std::nullopt;
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_JournalCost(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const JournalFolder& folder = SharedFolder(count);
  std::vector<double> seconds[3];
  int round = 0;
  for (auto _ : state) {
    for (int turn = 0; turn < 3; ++turn) {
      const auto variant = static_cast<Variant>((round + turn) % 3);
      // None pays for the writes another left.
      bench::WriteOut(folder.Files());
      const std::optional<double> taken = TimedRun(folder, count, variant);
      if (!taken) {
        state.SkipWithError("not every file was renamed");
        return;
      }
      seconds[static_cast<int>(variant)].push_back(*taken);
    }
    ++round;
    state.SetIterationTime(seconds[static_cast<int>(Variant::Journal)].back());
  }
  const double journal = bench::Median(seconds[static_cast<int>(Variant::Journal)]);
  const double plain = bench::Median(seconds[static_cast<int>(Variant::Plain)]);
  const double batched = bench::Median(seconds[static_cast<int>(Variant::Batched)]);
  state.counters["journal_ms"] = journal * 1000;
  state.counters["plain_ms"] = plain * 1000;
  state.counters["batched_ms"] = batched * 1000;
  state.counters["ratio"] = journal / plain;
  state.counters["own_ratio"] = journal / batched;
  state.SetItemsProcessed(state.iterations() * count);
}

}  // namespace

BENCHMARK(BM_JournalCost)
    ->ArgNames({"files"})
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(9);
