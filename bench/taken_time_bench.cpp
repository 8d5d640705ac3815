// The taken time of 10,000 small JPEGs with EXIF dates against stat() of the same files:
// what numbering by the date taken adds to numbering by the modification time, whose
// file information the target list already holds.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "batch_process.h"
#include "median.h"
#include "platform/metadata_taken_time.h"
#include "support/media_samples.h"

namespace {

namespace fs = std::filesystem;

constexpr int kPhotos = 10'000;

// kPhotos dated JPEGs, made once for all benchmarks and removed at exit.
class Photos {
 public:
  Photos() {
    std::string pattern = (fs::temp_directory_path() / "morvane-bench-XXXXXX").string();
    m_root = mkdtemp(pattern.data());
    for (int i = 0; i < kPhotos; ++i) {
      m_paths.push_back(m_root + "/IMG_" + std::to_string(i) + ".JPG");
      std::ofstream(m_paths.back(), std::ios::binary) << morvane::test::kDatedJpeg;
    }
  }
  ~Photos() { fs::remove_all(m_root); }
  const std::vector<std::string>& Paths() const { return m_paths; }

 private:
  std::string m_root;
  std::vector<std::string> m_paths;
};

const Photos& SharedPhotos() {
  static const Photos photos;
  return photos;
}

void BM_Stat10kPhotos(benchmark::State& state) {
  const Photos& photos = SharedPhotos();
  for (auto _ : state) {
    for (const std::string& path : photos.Paths()) {
      struct stat status {};
      benchmark::DoNotOptimize(stat(path.c_str(), &status));
    }
  }
  state.SetItemsProcessed(state.iterations() * kPhotos);
}

void BM_TakenTime10kPhotos(benchmark::State& state) {
  const Photos& photos = SharedPhotos();
  const morvane::platform::MetadataTakenTimeReader reader;
  for (auto _ : state) {
    for (const std::string& path : photos.Paths()) benchmark::DoNotOptimize(reader.Read(path));
  }
  state.SetItemsProcessed(state.iterations() * kPhotos);
}

// morvane-batch numbering 10,000 dated JPEGs in place by the date taken against by the
// modification time, alternately in one run, as the ratio of their medians (goal: 3 at
// most). Each run gives every file a new front part, so every file is renamed.
void BM_TakenOrderAgainstDateOrder(benchmark::State& state) {
  std::string pattern = (fs::temp_directory_path() / "morvane-bench-XXXXXX").string();
  const std::string root = mkdtemp(pattern.data());
  const std::string input = root + "/in";
  fs::create_directories(input);
  fs::create_directories(root + "/home");
  for (int i = 0; i < kPhotos; ++i)
    std::ofstream(input + "/IMG_" + std::to_string(i) + ".JPG", std::ios::binary)
        << morvane::test::kDatedJpeg;
  int round = 0;
  int iteration = 0;
  std::vector<double> taken;
  std::vector<double> date;
  for (auto _ : state) {
    const bool takenFirst = iteration++ % 2 == 0;
    for (int turn = 0; turn < 2; ++turn) {
      const bool takenTurn = (turn == 0) == takenFirst;
      const std::vector<std::string> arguments = {"morvane-batch",
                                                  "rename",
                                                  "--in-place",
                                                  "--front",
                                                  "r" + std::to_string(++round) + "_",
                                                  "--order",
                                                  takenTurn ? "taken" : "date",
                                                  input};
      bench::WriteOut(input);
      const auto start = std::chrono::steady_clock::now();
      if (bench::RunBatch(arguments, root + "/home").status != 0) state.SkipWithError("morvane-batch failed");
      const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      (takenTurn ? taken : date).push_back(seconds);
    }
    state.SetIterationTime(taken.back());
  }
  fs::remove_all(root);
  state.counters["taken_ms"] = bench::Median(taken) * 1000;
  state.counters["date_ms"] = bench::Median(date) * 1000;
  state.counters["ratio"] = bench::Median(taken) / bench::Median(date);
}

BENCHMARK(BM_Stat10kPhotos)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TakenOrderAgainstDateOrder)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(4);
BENCHMARK(BM_TakenTime10kPhotos)->Unit(benchmark::kMillisecond);

}  // namespace
