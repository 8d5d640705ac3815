// A copy into an output folder by morvane-batch against a plain C loop that does the same
// observable work, measured alternately in one run, reported as the ratio of their
// medians (the goal is 1.2 at most):
// - the C loop: readdir with one stat per entry, the names sorted, and for each file:
//   open it, create a temporary name in the output folder (O_CREAT | O_EXCL) with its
//   permission bits, copy_file_range its whole content, give it the source's
//   modification time (as morvane-batch's copies keep it), close, renameat2 with
//   RENAME_NOREPLACE to the new name, and the two result lines through one buffered
//   stream into Result.dat, flushed at the end only;
// - morvane-batch rename --output <folder> --front rN_ (a new front part every round).
// The files are 10,000 of 1 KiB. Each run copies into an output folder of its own, made
// before it, outside the timed part, with the file system's pending writes written out;
// the folders are removed only after the last run. Emptying one folder between runs made
// every run after it slower by up to half, and unevenly: ext4 looks past each inode freed
// within the last seconds when it makes a file. Each round runs both in alternating order,
// so that drift of the machine's speed falls on both alike.
//
//   morvane_benchmarks --benchmark_filter=CopyAgainstCLoop
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include "batch_process.h"
#include "median.h"

namespace {

using bench::RunBatch;
using bench::RunFolder;

// A new, empty output folder, with what the run before left to write written out.
std::string FreshOutput(const RunFolder& folder, int run) {
  const std::string path = folder.Output() + "-" + std::to_string(run);
  std::filesystem::create_directory(path);
  bench::WriteOut(path);
  return path;
}

struct Source {
  std::string name;
  off_t size = 0;
  mode_t mode = 0;
  timespec modified{};
};

// Copies the whole of source into target, both open; false when the kernel refused.
bool CopyContent(int source, int target, off_t size) {
  while (size > 0) {
    const ssize_t copied = copy_file_range(source, nullptr, target, nullptr, size, 0);
    if (copied <= 0) return false;
    size -= copied;
  }
  return true;
}

// The C loop: every file of the folder's input is copied into its output folder under
// front + its number + its extension.
void CLoop(const RunFolder& folder, const std::string& output, const std::string& front) {
  const std::string base = folder.Input();
  const int directory = open(base.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  const int outputDirectory = open(output.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  std::vector<Source> sources;
  DIR* listing = fdopendir(dup(directory));
  while (dirent* entry = readdir(listing)) {
    if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0) continue;
    struct stat status {};
    if (fstatat(directory, entry->d_name, &status, 0) == 0 && !S_ISDIR(status.st_mode))
      sources.push_back(
          {entry->d_name, status.st_size, static_cast<mode_t>(status.st_mode & 07777), status.st_mtim});
  }
  closedir(listing);
  std::sort(sources.begin(), sources.end(), [](const Source& a, const Source& b) { return a.name < b.name; });
  FILE* result = fopen((folder.Home() + "/Result.dat").c_str(), "wb");
  const pid_t self = getpid();
  int number = 1;
  unsigned temporaries = 0;
  for (const Source& source : sources) {
    const std::string renamed = front + std::to_string(number++) + source.name.substr(source.name.rfind('.'));
    const int in = openat(directory, source.name.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) continue;
    char temporary[64];
    int out = -1;
    do {
      std::snprintf(temporary, sizeof temporary, ".c-loop-%x-%x", static_cast<unsigned>(self), temporaries++);
      out = openat(outputDirectory, temporary, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, source.mode);
    } while (out < 0 && errno == EEXIST);
    const timespec times[2] = {{0, UTIME_OMIT}, source.modified};
    const bool copied = out >= 0 && CopyContent(in, out, source.size) && futimens(out, times) == 0;
    if (out >= 0) close(out);
    close(in);
    if (!copied ||
        renameat2(outputDirectory, temporary, outputDirectory, renamed.c_str(), RENAME_NOREPLACE) != 0) {
      if (out >= 0) unlinkat(outputDirectory, temporary, 0);
      continue;
    }
    fprintf(result, "rename: %s/%s\r\n       -> %s/%s\r\n", base.c_str(), source.name.c_str(), output.c_str(),
            renamed.c_str());
  }
  fclose(result);
  close(outputDirectory);
  close(directory);
}

void BM_CopyAgainstCLoop(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const RunFolder folder(count, "photo_", 1024);
  int round = 0;
  int fronts = 0;
  std::vector<double> program;
  std::vector<double> loop;
  for (auto _ : state) {
    // morvane-batch goes first in even rounds, the C loop in odd ones.
    const bool programFirst = round++ % 2 == 0;
    for (int turn = 0; turn < 2; ++turn) {
      const bool programTurn = (turn == 0) == programFirst;
      const std::string front = "r" + std::to_string(++fronts) + "_";
      const std::string output = FreshOutput(folder, fronts);
      const auto start = std::chrono::steady_clock::now();
      if (programTurn) {
        const bench::ChildRun run = RunBatch(
            {"morvane-batch", "rename", "--output", output, "--front", front, folder.Input()}, folder.Home());
        if (run.status != 0) state.SkipWithError("morvane-batch failed");
      } else {
        CLoop(folder, output, front);
      }
      const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      (programTurn ? program : loop).push_back(seconds);
      // A run that copied nothing would measure nothing.
      if (!std::filesystem::exists(output + "/" + front + std::to_string(count) + ".jpg"))
        state.SkipWithError(programTurn ? "morvane-batch did not copy every file" : "the C loop failed");
    }
    state.SetIterationTime(program.back());
  }
  state.counters["morvane_ms"] = bench::Median(program) * 1000;
  state.counters["c_loop_ms"] = bench::Median(loop) * 1000;
  state.counters["ratio"] = bench::Median(program) / bench::Median(loop);
  state.counters["goal"] = 1.2;
  state.SetItemsProcessed(state.iterations() * count);
}

}  // namespace

BENCHMARK(BM_CopyAgainstCLoop)
    ->ArgNames({"files"})
    ->Args({10'000})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(7);
