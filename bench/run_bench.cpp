// A whole sequential run through morvane-batch (a separate process, as a user starts
// it) against a plain loop that does the least the same run must do: list the folder
// with one stat per file, sort the names, rename without replacing (or copy) each file,
// and write two log lines per file to the result file and the result log.
//
// Reported: wall time per run; the run's peak resident memory as "peak_rss_MB".
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "batch_process.h"

namespace {

using bench::ChildRun;
using bench::RunBatch;
using bench::RunFolder;

namespace fs = std::filesystem;

// One folder per size for the whole program: creating 100,000 files takes this machine
// half a minute, far longer than a run over them. Runs rename the files in place, so
// every round starts from other names; the count stays the same.
const RunFolder& SharedFolder(int count) {
  static std::map<int, std::unique_ptr<RunFolder>> folders;
  std::unique_ptr<RunFolder>& folder = folders[count];
  if (!folder) folder = std::make_unique<RunFolder>(count, "photo_");
  return *folder;
}

// A round number that no earlier run in this program has used, for new front parts.
int NextRound() {
  static int round = 0;
  return round++;
}

void BM_BatchRename(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const bool copy = state.range(1) != 0;
  const RunFolder& folder = SharedFolder(count);
  long peak = 0;
  for (auto _ : state) {
    // A new front part every round, so that every file is really renamed again.
    std::vector<std::string> arguments = {"morvane-batch", "rename", "--log", "--front",
                                          "r" + std::to_string(NextRound()) + "_"};
    if (copy) {
      arguments.insert(arguments.end(), {"--output", folder.Output(), "--yes"});
    } else {
      arguments.push_back("--in-place");
    }
    arguments.push_back(folder.Input());
    const ChildRun run = RunBatch(arguments, folder.Home());
    if (run.status != 0) state.SkipWithError("morvane-batch failed");
    peak = std::max(peak, run.peakKilobytes);
    if (copy) {
      state.PauseTiming();
      fs::remove_all(folder.Output());
      state.ResumeTiming();
    }
  }
  state.counters["peak_rss_MB"] = static_cast<double>(peak) / 1024.0;
  state.SetItemsProcessed(state.iterations() * count);
}

// The same work without the program: the floor a run cannot go below.
void PlainLoop(const RunFolder& folder, bool copy, int round) {
  std::vector<std::string> names;
  DIR* directory = opendir(folder.Input().c_str());
  while (dirent* entry = readdir(directory)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    struct stat status {};
    const std::string path = folder.Input() + "/" + name;
    if (stat(path.c_str(), &status) == 0 && !S_ISDIR(status.st_mode)) names.push_back(name);
  }
  closedir(directory);
  std::sort(names.begin(), names.end());

  FILE* result = fopen((folder.Home() + "/Result.dat").c_str(), "wb");
  FILE* log = fopen((folder.Home() + "/Rename.log").c_str(), "ab");
  const std::string target = copy ? folder.Output() : folder.Input();
  if (copy) fs::create_directory(target);
  int number = 1;
  for (const std::string& name : names) {
    const std::string source = folder.Input() + "/" + name;
    const std::string destination =
        target + "/r" + std::to_string(round) + "_" + std::to_string(number++) + ".jpg";
    if (copy) {
      fs::copy_file(source, destination);
    } else {
      renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, destination.c_str(), RENAME_NOREPLACE);
    }
    const std::string lines = "rename: " + source + "\r\n       -> " + destination + "\r\n";
    for (FILE* file : {result, log}) {
      fwrite(lines.data(), 1, lines.size(), file);
      fflush(file);
    }
  }
  fclose(result);
  fclose(log);
}

void BM_PlainLoop(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const bool copy = state.range(1) != 0;
  const RunFolder& folder = SharedFolder(count);
  for (auto _ : state) {
    PlainLoop(folder, copy, NextRound());
    if (copy) {
      state.PauseTiming();
      fs::remove_all(folder.Output());
      state.ResumeTiming();
    }
  }
  state.SetItemsProcessed(state.iterations() * count);
}

void RunSizes(benchmark::internal::Benchmark* benchmark) {
  benchmark->ArgNames({"files", "copy"});
  for (const int count : {10'000, 100'000}) {
    for (const int copy : {0, 1}) benchmark->Args({count, copy});
  }
  benchmark->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(3);
  benchmark->ReportAggregatesOnly(true);
}

}  // namespace

BENCHMARK(BM_BatchRename)->Apply(RunSizes);
BENCHMARK(BM_PlainLoop)->Apply(RunSizes);
