// A string replacement in place through morvane-batch against a plain loop that does
// the least the same run must do: list the folder with one stat per file, sort the
// names, replace the text in each name, rename without replacing, and write two log
// lines per file to the result file and the result log.
//
// Reported: wall time per run; the run's peak resident memory as "peak_rss_MB".
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <stdio.h>
#include <sys/stat.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "batch_process.h"

namespace {

using bench::RunFolder;

// Every name holds "t<round>_"; each run replaces it by the next round's token, so
// every file is really renamed in every run of either benchmark.
struct ReplaceFolder {
  explicit ReplaceFolder(int count) : folder(count, "t0_") {}
  std::string Find() const { return "t" + std::to_string(round) + "_"; }
  std::string ReplaceWith() const { return "t" + std::to_string(round + 1) + "_"; }

  RunFolder folder;
  int round = 0;
};

ReplaceFolder& SharedFolder(int count) {
  static std::map<int, std::unique_ptr<ReplaceFolder>> folders;
  std::unique_ptr<ReplaceFolder>& folder = folders[count];
  if (!folder) folder = std::make_unique<ReplaceFolder>(count);
  return *folder;
}

void BM_BatchReplace(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  ReplaceFolder& shared = SharedFolder(count);
  long peak = 0;
  for (auto _ : state) {
    const bench::ChildRun run =
        bench::RunBatch({"morvane-batch", "replace", "--log", "--in-place", "--find", shared.Find(),
                         "--replace-with", shared.ReplaceWith(), shared.folder.Input()},
                        shared.folder.Home());
    if (run.status != 0) state.SkipWithError("morvane-batch failed");
    peak = std::max(peak, run.peakKilobytes);
    ++shared.round;
  }
  state.counters["peak_rss_MB"] = static_cast<double>(peak) / 1024.0;
  state.SetItemsProcessed(state.iterations() * count);
}

void PlainReplaceLoop(const ReplaceFolder& shared) {
  const std::string input = shared.folder.Input();
  std::vector<std::string> names;
  DIR* directory = opendir(input.c_str());
  while (dirent* entry = readdir(directory)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    struct stat status {};
    if (stat((input + "/" + name).c_str(), &status) == 0 && !S_ISDIR(status.st_mode)) names.push_back(name);
  }
  closedir(directory);
  std::sort(names.begin(), names.end());

  FILE* result = fopen((shared.folder.Home() + "/Result.dat").c_str(), "wb");
  FILE* log = fopen((shared.folder.Home() + "/Rename.log").c_str(), "ab");
  const std::string find = shared.Find();
  const std::string replaceWith = shared.ReplaceWith();
  for (const std::string& name : names) {
    std::string newName = name;
    if (const std::size_t at = newName.find(find); at != std::string::npos)
      newName.replace(at, find.size(), replaceWith);
    const std::string source = input + "/" + name;
    const std::string destination = input + "/" + newName;
    renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, destination.c_str(), RENAME_NOREPLACE);
    const std::string lines = "replace: " + source + "\r\n             -> " + newName + "\r\n";
    for (FILE* file : {result, log}) {
      fwrite(lines.data(), 1, lines.size(), file);
      fflush(file);
    }
  }
  fclose(result);
  fclose(log);
}

void BM_PlainReplaceLoop(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  ReplaceFolder& shared = SharedFolder(count);
  for (auto _ : state) {
    PlainReplaceLoop(shared);
    ++shared.round;
  }
  state.SetItemsProcessed(state.iterations() * count);
}

void ReplaceSizes(benchmark::internal::Benchmark* benchmark) {
  benchmark->ArgNames({"files"});
  for (const int count : {10'000, 100'000}) benchmark->Args({count});
  benchmark->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(3);
  benchmark->ReportAggregatesOnly(true);
}

}  // namespace

BENCHMARK(BM_BatchReplace)->Apply(ReplaceSizes);
BENCHMARK(BM_PlainReplaceLoop)->Apply(ReplaceSizes);
