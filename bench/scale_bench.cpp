// A million files in one folder: morvane-batch rename --in-place --front rN_ (a new front
// part every run, so every file is really renamed) over 100,000 and over 1,000,000 empty
// files. Each reports ms, the median of three runs, and peak_mb, the highest peak resident
// memory of the process (MiB). The million case also reports time_ratio, its median over
// the 100,000 median measured in the same process (the goal: 11 at most, for ten times
// the files), and the goals time_goal and mb_goal (200) beside them.
// After each run the plain C loop (c_loop.h) renames the same folder: c_loop_ms is its
// median, and c_loop_time_ratio its million over its 100,000, the kernel's own growth,
// against which time_ratio is to be read.
// Making the files is not timed, nor is writing out, before each run, what the file
// system still has to write. The million case takes a few minutes (making a million
// files, three runs, removing them), so it runs only when the filter names it, by Scale
// or by files:1000000:
//
//   morvane_benchmarks --benchmark_filter=Scale
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "batch_process.h"
#include "c_loop.h"
#include "median.h"

namespace {

using bench::RunBatch;
using bench::RunFolder;

constexpr int kSmall = 100'000;
constexpr int kLarge = 1'000'000;
constexpr int kRuns = 3;

struct Measured {
  double ms = 0;
  double cLoopMs = 0;
  long peakKilobytes = 0;
  bool failed = false;
};

// One run over the whole folder, with a front part no earlier run has used.
Measured RunOnce(const RunFolder& folder, int count) {
  static int round = 0;
  const std::string front = "r" + std::to_string(++round) + "_";
  bench::WriteOut(folder.Input());
  const auto start = std::chrono::steady_clock::now();
  const bench::ChildRun run =
      RunBatch({"morvane-batch", "rename", "--in-place", "--front", front, folder.Input()}, folder.Home());
  Measured measured;
  measured.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  measured.peakKilobytes = run.peakKilobytes;
  // A run that failed or stopped early would measure less than the whole folder.
  measured.failed = run.status != 0 ||
                    !std::filesystem::exists(folder.Input() + "/" + front + std::to_string(count) + ".jpg");
  // The same work by the C loop, with a front part of its own.
  const std::string loopFront = "c" + std::to_string(round) + "_";
  bench::WriteOut(folder.Input());
  const auto loopStart = std::chrono::steady_clock::now();
  bench::CLoop(folder, [&](const std::string& name, int number) {
    return loopFront + std::to_string(number) + name.substr(name.rfind('.'));
  });
  measured.cLoopMs =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - loopStart).count();
  return measured;
}

// The medians of each count measured so far in this process: morvane-batch's and the
// C loop's.
std::map<int, double>& Medians() {
  static std::map<int, double> medians;
  return medians;
}
std::map<int, double>& LoopMedians() {
  static std::map<int, double> medians;
  return medians;
}

void BM_Scale(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const std::string filter = benchmark::GetBenchmarkFilter();
  if (count == kLarge && filter.find("Scale") == std::string::npos &&
      filter.find("1000000") == std::string::npos) {
    state.SkipWithError("the million-file case runs only when asked: --benchmark_filter=Scale");
    return;
  }
  // The ratio needs the smaller figure from this process, also when the filter left it out.
  if (count == kLarge && !Medians().contains(kSmall)) {
    const RunFolder small(kSmall, "photo_", 0);
    std::vector<double> times;
    std::vector<double> loopTimes;
    for (int i = 0; i < kRuns; ++i) {
      const Measured run = RunOnce(small, kSmall);
      times.push_back(run.ms);
      loopTimes.push_back(run.cLoopMs);
    }
    Medians()[kSmall] = bench::Median(times);
    LoopMedians()[kSmall] = bench::Median(loopTimes);
  }
  const RunFolder folder(count, "photo_", 0);
  std::vector<double> times;
  std::vector<double> loopTimes;
  long peakKilobytes = 0;
  for (auto _ : state) {
    const Measured run = RunOnce(folder, count);
    if (run.failed) {
      state.SkipWithError("morvane-batch did not rename every file");
      break;
    }
    times.push_back(run.ms);
    loopTimes.push_back(run.cLoopMs);
    peakKilobytes = std::max(peakKilobytes, run.peakKilobytes);
    state.SetIterationTime(run.ms / 1000);
  }
  if (times.empty()) return;
  Medians()[count] = bench::Median(times);
  LoopMedians()[count] = bench::Median(loopTimes);
  state.counters["ms"] = Medians()[count];
  state.counters["c_loop_ms"] = LoopMedians()[count];
  state.counters["peak_mb"] = peakKilobytes / 1024.0;
  if (count == kLarge) {
    state.counters["time_ratio"] = Medians()[kLarge] / Medians()[kSmall];
    state.counters["c_loop_time_ratio"] = LoopMedians()[kLarge] / LoopMedians()[kSmall];
    state.counters["time_goal"] = 11;
    state.counters["mb_goal"] = 200;
  }
  state.SetItemsProcessed(state.iterations() * count);
}

}  // namespace

BENCHMARK(BM_Scale)
    ->ArgNames({"files"})
    ->Args({kSmall})
    ->Args({kLarge})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(kRuns);
