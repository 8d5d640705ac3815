#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "batch_process.h"
#include "median.h"

namespace bench {

// Two morvane-batch commands over one folder, each iteration running both once, the one
// that goes first alternating, so that drift of the machine's speed falls on both alike;
// each run starts once the file system has written out what the one before left.
// argumentsOf(first) gives the command of a turn. Reported: each median time
// ("<name>_ms") and the ratio of the first's to the second's.
inline void CompareAlternately(benchmark::State& state, const std::string& input, const std::string& home,
                               const std::function<std::vector<std::string>(bool first)>& argumentsOf,
                               const std::string& firstName, const std::string& secondName) {
  int iteration = 0;
  std::vector<double> first;
  std::vector<double> second;
  for (auto _ : state) {
    const bool firstGoesFirst = iteration++ % 2 == 0;
    for (int turn = 0; turn < 2; ++turn) {
      const bool firstTurn = (turn == 0) == firstGoesFirst;
      const std::vector<std::string> arguments = argumentsOf(firstTurn);
      WriteOut(input);
      const auto start = std::chrono::steady_clock::now();
      if (RunBatch(arguments, home).status != 0) state.SkipWithError("morvane-batch failed");
      const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      (firstTurn ? first : second).push_back(seconds);
    }
    state.SetIterationTime(first.back());
  }
  state.counters[firstName + "_ms"] = Median(first) * 1000;
  state.counters[secondName + "_ms"] = Median(second) * 1000;
  state.counters["ratio"] = Median(first) / Median(second);
}

}  // namespace bench
