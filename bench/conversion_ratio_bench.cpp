// morvane-batch convert against morvane-batch replace over the same 100,000 files in
// place, measured alternately in one run, reported as the ratio of their medians (goal:
// 1.3 at most). The names are "photo_N.jpg"; the replacement turns photo into image and
// back, the conversion turns the letters and digits to full width and back, so that every
// run of either renames every file.
//
//   morvane_benchmarks --benchmark_filter=ConvertAgainstReplace
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "alternating_runs.h"

namespace {

using bench::RunFolder;

void BM_ConvertAgainstReplace(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const RunFolder folder(count, "photo_");
  bool fullWidth = false;
  bool photoNames = true;
  bench::CompareAlternately(
      state, folder.Input(), folder.Home(),
      [&](bool conversion) {
        std::vector<std::string> arguments = {"morvane-batch"};
        if (conversion) {
          arguments.insert(arguments.end(),
                           {"convert", "--in-place", "--alnum", fullWidth ? "half" : "full"});
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
        return arguments;
      },
      "convert", "replace");
  state.SetItemsProcessed(state.iterations() * count);
}

}  // namespace

BENCHMARK(BM_ConvertAgainstReplace)
    ->ArgNames({"files"})
    ->Args({100'000})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(4);
