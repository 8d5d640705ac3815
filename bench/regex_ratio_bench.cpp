// morvane-batch replace --regex against the plain replace over the same 100,000 files in
// place, measured alternately in one run, reported as the ratio of their medians (goal:
// 1.3 at most). The names are "photo_N.jpg": the plain replacement turns photo into image
// and back; the regular expression moves the number in front and back again
// ("photo_12" <-> "12_photo"), so that every run of either renames every file.
//
//   morvane_benchmarks --benchmark_filter=RegexAgainstPlain
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "alternating_runs.h"

namespace {

using bench::RunFolder;

void BM_RegexAgainstPlain(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const RunFolder folder(count, "photo_");
  bool numberFirst = false;
  bool photoNames = true;
  bench::CompareAlternately(
      state, folder.Input(), folder.Home(),
      [&](bool regex) {
        std::vector<std::string> arguments = {"morvane-batch", "replace", "--in-place"};
        if (regex) {
          arguments.insert(arguments.end(),
                           {"--regex", "--find", numberFirst ? "^(\\d+)_(\\w+)$" : "^(\\w+?)_(\\d+)$",
                            "--replace-with", "$2_$1"});
          numberFirst = !numberFirst;
        } else {
          arguments.insert(arguments.end(), {"--find", photoNames ? "photo" : "image", "--replace-with",
                                             photoNames ? "image" : "photo"});
          photoNames = !photoNames;
        }
        arguments.push_back(folder.Input());
        return arguments;
      },
      "regex", "plain");
  state.SetItemsProcessed(state.iterations() * count);
}

}  // namespace

BENCHMARK(BM_RegexAgainstPlain)
    ->ArgNames({"files"})
    ->Args({100'000})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(4);
