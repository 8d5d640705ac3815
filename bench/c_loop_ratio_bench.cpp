// morvane-batch against a plain C loop that does the same observable work, measured
// alternately in one run, reported as the ratio of their medians:
// - the C loop (c_loop.h): readdir with one stat per entry, the names sorted, renameat2
//   with RENAME_NOREPLACE to each new name, and the two result lines of each file through
//   one buffered stream into Result.dat, flushed at the end only;
// - morvane-batch rename --in-place (a new front part every round), or
//   morvane-batch replace --in-place (one text for the other, back and forth).
// Each round runs both over the same folder, in alternating order, so that drift of the
// machine's speed falls on both alike; each run starts once the file system has written
// out what the one before left.
//
//   morvane_benchmarks --benchmark_filter=AgainstCLoop
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "batch_process.h"
#include "c_loop.h"
#include "median.h"

namespace {

using bench::RunBatch;
using bench::RunFolder;

enum class Work { Numbering = 0, Replacement = 1 };

const RunFolder& SharedFolder(int count, Work work) {
  static std::map<std::pair<int, Work>, std::unique_ptr<RunFolder>> folders;
  std::unique_ptr<RunFolder>& folder = folders[{count, work}];
  if (!folder) folder = std::make_unique<RunFolder>(count, "photo_");
  return *folder;
}

void BM_AgainstCLoop(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const auto work = static_cast<Work>(state.range(1));
  const RunFolder& folder = SharedFolder(count, work);
  static int round = 0;  // every round a new front part, in every case
  int iteration = 0;
  std::vector<double> program;
  std::vector<double> loop;
  for (auto _ : state) {
    // Who goes first alternates between iterations; each runs both once.
    const bool programFirst = iteration++ % 2 == 0;
    for (int turn = 0; turn < 2; ++turn) {
      ++round;
      const bool programTurn = (turn == 0) == programFirst;
      // The replacement goes one way and back: "photo" and "image" have the same length.
      static bool photoNames = true;
      const std::string from = photoNames ? "photo" : "image";
      const std::string to = photoNames ? "image" : "photo";
      if (work == Work::Replacement) photoNames = !photoNames;
      const std::string front = "r" + std::to_string(round) + "_";
      // Neither pays for the writes the other left.
      bench::WriteOut(folder.Input());
      const auto start = std::chrono::steady_clock::now();
      if (programTurn) {
        std::vector<std::string> arguments = {"morvane-batch"};
        if (work == Work::Numbering) {
          arguments.insert(arguments.end(), {"rename", "--in-place", "--front", front});
        } else {
          arguments.insert(arguments.end(), {"replace", "--in-place", "--find", from, "--replace-with", to});
        }
        arguments.push_back(folder.Input());
        if (RunBatch(arguments, folder.Home()).status != 0) state.SkipWithError("morvane-batch failed");
      } else if (work == Work::Numbering) {
        bench::CLoop(folder, [&](const std::string& name, int number) {
          return front + std::to_string(number) + name.substr(name.rfind('.'));
        });
      } else {
        bench::CLoop(folder, [&](const std::string& name, int) {
          const std::size_t at = name.find(from);
          return at == std::string::npos ? std::string()
                                         : name.substr(0, at) + to + name.substr(at + from.size());
        });
      }
      const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      (programTurn ? program : loop).push_back(seconds);
    }
    state.SetIterationTime(program.back());
  }
  state.counters["morvane_ms"] = bench::Median(program) * 1000;
  state.counters["c_loop_ms"] = bench::Median(loop) * 1000;
  state.counters["ratio"] = bench::Median(program) / bench::Median(loop);
  state.SetItemsProcessed(state.iterations() * count);
}

}  // namespace

BENCHMARK(BM_AgainstCLoop)
    ->ArgNames({"files", "replace"})
    ->Args({100'000, 0})
    ->Args({100'000, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5);
