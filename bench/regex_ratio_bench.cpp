// morvane-batch replace --regex against the plain replace over the same 100,000 files in
// place, measured alternately in one run, reported as the ratio of their medians (goal:
// 1.3 at most). The names are "photo_N.jpg": the plain replacement turns photo into image
// and back; the regular expression moves the number in front and back again
// ("photo_12" <-> "12_photo"), so that every run of either renames every file.
//
//   morvane_benchmarks --benchmark_filter=RegexAgainstPlain
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

#include "batch_process.h"
#include "median.h"

namespace {

using bench::RunBatch;
using bench::RunFolder;

void BM_RegexAgainstPlain(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const RunFolder folder(count, "photo_");
  bool numberFirst = false;
  bool photoNames = true;
  int iteration = 0;
  std::vector<double> regex;
  std::vector<double> plain;
  for (auto _ : state) {
    const bool regexFirst = iteration++ % 2 == 0;
    for (int turn = 0; turn < 2; ++turn) {
      const bool regexTurn = (turn == 0) == regexFirst;
      std::vector<std::string> arguments = {"morvane-batch", "replace", "--in-place"};
      if (regexTurn) {
        arguments.insert(arguments.end(),
                         {"--regex", "--find", numberFirst ? "^(\\d+)_(\\w+)$" : "^(\\w+?)_(\\d+)$",
                          "--replace-with", "$2_$1"});
        numberFirst = !numberFirst;
      } else {
        const char* from = photoNames ? "photo" : "image";
        const char* to = photoNames ? "image" : "photo";
        arguments.insert(arguments.end(), {"--find", from, "--replace-with", to});
        photoNames = !photoNames;
      }
      arguments.push_back(folder.Input());
      bench::WriteOut(folder.Input());
      const auto start = std::chrono::steady_clock::now();
      if (RunBatch(arguments, folder.Home()).status != 0) state.SkipWithError("morvane-batch failed");
      const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      (regexTurn ? regex : plain).push_back(seconds);
    }
    state.SetIterationTime(regex.back());
  }
  state.counters["regex_ms"] = bench::Median(regex) * 1000;
  state.counters["plain_ms"] = bench::Median(plain) * 1000;
  state.counters["ratio"] = bench::Median(regex) / bench::Median(plain);
  state.SetItemsProcessed(state.iterations() * count);
}

}  // namespace

BENCHMARK(BM_RegexAgainstPlain)
    ->ArgNames({"files"})
    ->Args({100'000})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(4);
