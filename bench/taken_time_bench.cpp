// The taken time of 10,000 small JPEGs with EXIF dates against stat() of the same files:
// what numbering by the date taken adds to numbering by the modification time, whose
// file information the target list already holds.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "alternating_runs.h"
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
  bench::CompareAlternately(
      state, input, root + "/home",
      [&](bool taken) {
        return std::vector<std::string>{"morvane-batch",
                                        "rename",
                                        "--in-place",
                                        "--front",
                                        "r" + std::to_string(++round) + "_",
                                        "--order",
                                        taken ? "taken" : "date",
                                        input};
      },
      "taken", "date");
  fs::remove_all(root);
}

BENCHMARK(BM_Stat10kPhotos)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TakenOrderAgainstDateOrder)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(4);
BENCHMARK(BM_TakenTime10kPhotos)->Unit(benchmark::kMillisecond);

}  // namespace
