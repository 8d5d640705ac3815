// The file system layer on a folder of 100,000 files: listing with the info of every
// entry, and renaming every file (there and back) without ever replacing one.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/posix_file_system.h"

namespace {

namespace fs = std::filesystem;
using morvane::platform::PosixFileSystem;

constexpr int kFiles = 100'000;

// A folder of kFiles empty files, made once for all benchmarks and removed at exit.
class Folder {
 public:
  Folder() {
    std::string pattern = (fs::temp_directory_path() / "morvane-bench-XXXXXX").string();
    m_root = mkdtemp(pattern.data());
    for (int i = 0; i < kFiles; ++i) std::ofstream(Path(i));
  }
  ~Folder() { fs::remove_all(m_root); }
  const std::string& Root() const { return m_root; }
  std::string Path(int i, const char* tag = "") const {
    return m_root + "/IMG_" + std::to_string(i) + tag + ".jpg";
  }

 private:
  std::string m_root;
};

const Folder& SharedFolder() {
  static const Folder folder;
  return folder;
}

void BM_ListFolder100k(benchmark::State& state) {
  const PosixFileSystem fileSystem;
  const Folder& folder = SharedFolder();
  for (auto _ : state) benchmark::DoNotOptimize(fileSystem.ListFolder(folder.Root(), "*.JPG"));
  state.SetItemsProcessed(state.iterations() * kFiles);
}

void BM_RenameThereAndBack100k(benchmark::State& state) {
  PosixFileSystem fileSystem;
  const Folder& folder = SharedFolder();
  for (auto _ : state) {
    for (int i = 0; i < kFiles; ++i)
      benchmark::DoNotOptimize(fileSystem.Rename(folder.Path(i), folder.Path(i, "_x")));
    for (int i = 0; i < kFiles; ++i)
      benchmark::DoNotOptimize(fileSystem.Rename(folder.Path(i, "_x"), folder.Path(i)));
  }
  state.SetItemsProcessed(state.iterations() * 2 * kFiles);
}

BENCHMARK(BM_ListFolder100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenameThereAndBack100k)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
