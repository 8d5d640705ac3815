// Feeds the taken-time reader damaged photos and videos for a given time: the embedded
// samples and any files named on the command line, each changed at random (flipped bits,
// boundary values, bytes inserted or removed, cut short), on two threads sharing one
// reader. Built with the sanitizers (-DMORVANE_SANITIZE=ON), a fault stops it with a
// report; the input it was reading stays in the folder it printed at start.
//
//   morvane_taken_time_fuzz SECONDS [SEED_FILE...]
#include <stdlib.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "platform/metadata_taken_time.h"
#include "support/byte_mutations.h"
#include "support/media_samples.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

std::vector<std::string> Seeds(int argc, char** argv) {
  std::vector<std::string> seeds = {
      std::string(morvane::test::kDatedJpeg), std::string(morvane::test::kDatedMp4),
      std::string(morvane::test::kBareJpeg), std::string(morvane::test::kBareMp4)};
  for (int i = 2; i < argc; ++i) {
    std::ifstream in(argv[i], std::ios::binary);
    seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  return seeds;
}

struct Counts {
  std::atomic<long> inputs{0};
  std::atomic<long> dated{0};
};

// Reads mutated seeds at path until deadline. Half the time the last input is changed
// further, so that damage builds up.
void Fuzz(const morvane::platform::MetadataTakenTimeReader& reader, const std::vector<std::string>& seeds,
          const std::string& path, unsigned seed, Clock::time_point deadline, Counts& counts) {
  std::mt19937_64 random(seed);
  std::string input = seeds[0];
  while (Clock::now() < deadline) {
    const std::string& base = random() % 2 == 0 ? input : seeds[random() % seeds.size()];
    input = morvane::test::MutateBytes(base, random);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << input;
    if (reader.Read(path)) ++counts.dated;
    ++counts.inputs;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s SECONDS [SEED_FILE...]\n", argv[0]);
    return 2;
  }
  const auto seconds = std::chrono::seconds(std::atol(argv[1]));
  const std::vector<std::string> seeds = Seeds(argc, argv);
  std::string pattern = (fs::temp_directory_path() / "morvane-fuzz-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) return 1;
  std::printf("inputs in %s, %zu seeds, %lld s\n", pattern.c_str(), seeds.size(),
              static_cast<long long>(seconds.count()));
  std::fflush(stdout);

  const morvane::platform::MetadataTakenTimeReader reader;
  Counts counts;
  const Clock::time_point start = Clock::now();
  const Clock::time_point deadline = start + seconds;
  std::thread other(Fuzz, std::cref(reader), std::cref(seeds), pattern + "/b", 2U, deadline,
                    std::ref(counts));
  Fuzz(reader, seeds, pattern + "/a", 1U, deadline, counts);
  other.join();

  const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
  std::printf("%ld inputs in %.0f s, %ld with a taken time, no fault\n", counts.inputs.load(), elapsed,
              counts.dated.load());
  fs::remove_all(pattern);
  return 0;
}
