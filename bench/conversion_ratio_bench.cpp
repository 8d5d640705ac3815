// morvane-batch convert against morvane-batch replace over the same 100,000 files in
// place, measured alternately in one run, reported as the ratio of their medians (goal:
// 1.3 at most). The names are "photo_N.jpg"; the replacement turns photo into image and
// back, the conversion turns the letters and digits to full width and back, so that every
// run of either renames every file.
//
//   morvane_benchmarks --benchmark_filter=ConvertAgainstReplace
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

#include "batch_process.h"
#include "median.h"

namespace {

using bench::RunBatch;
using bench::RunFolder;

void BM_ConvertAgainstReplace(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const RunFolder folder(count, "photo_");
  bool fullWidth = false;
  bool photoNames = true;
  int iteration = 0;
  std::vector<double> conversion;
  std::vector<double> replacement;
  for (auto _ : state) {
    // Who goes first alternates between iterations; each runs both once.
    const bool conversionFirst = iteration++ % 2 == 0;
    for (int turn = 0; turn < 2; ++turn) {
      const bool conversionTurn = (turn == 0) == conversionFirst;
      std::vector<std::string> arguments = {"morvane-batch"};
      if (conversionTurn) {
        arguments.insert(arguments.end(), {"convert", "--in-place", "--alnum", fullWidth ? "half" : "full"});
        fullWidth = !fullWidth;
      } else {
        std::string from = photoNames ? "photo" : "image";
        std::string to = photoNames ? "image" : "photo";
        if (fullWidth) {
          from = photoNames ? "ｐｈｏｔｏ" : "ｉｍａｇｅ";
          to = photoNames ? "ｉｍａｇｅ" : "ｐｈｏｔｏ";
        }
        arguments.insert(arguments.end(), {"replace", "--in-place", "--find", from, "--replace-with", to});
        photoNames = !photoNames;
      }
      arguments.push_back(folder.Input());
      // Neither pays for the writes the other left.
      bench::WriteOut(folder.Input());
      const auto start = std::chrono::steady_clock::now();
      if (RunBatch(arguments, folder.Home()).status != 0) state.SkipWithError("morvane-batch failed");
      const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      (conversionTurn ? conversion : replacement).push_back(seconds);
    }
    state.SetIterationTime(conversion.back());
  }
  state.counters["convert_ms"] = bench::Median(conversion) * 1000;
  state.counters["replace_ms"] = bench::Median(replacement) * 1000;
  state.counters["ratio"] = bench::Median(conversion) / bench::Median(replacement);
  state.SetItemsProcessed(state.iterations() * count);
}

}  // namespace

BENCHMARK(BM_ConvertAgainstReplace)
    ->ArgNames({"files"})
    ->Args({100'000})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(4);
