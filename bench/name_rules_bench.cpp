// The name rules run once or more per file of a run; these measure them over 100,000
// paths of the kind a large photo folder holds.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/names/extension_filter.h"
#include "core/names/path_rules.h"
#include "core/text/case_conversion.h"

namespace {

using namespace morvane::core;

std::vector<std::string> MakePaths(const CodePage& page) {
  std::vector<std::string> paths;
  paths.reserve(100'000);
  const std::string kanji = page.Kind() == CodePageKind::Cp932 ? "\x95\x5C" : "表";
  for (int i = 0; i < 100'000; ++i) {
    paths.push_back("/home/user/photos/" + kanji + "2026/IMG_" + std::to_string(i) +
                    (i % 3 ? ".JPG" : ".png"));
  }
  return paths;
}

void SplitAndFilter(benchmark::State& state, const CodePage& page) {
  const std::vector<std::string> paths = MakePaths(page);
  const ExtensionFilter filter = BuildExtensionFilter("jpg,jpeg", page);
  for (auto _ : state) {
    std::size_t admitted = 0;
    for (const std::string& path : paths) {
      if (MatchesExtensionFilter(filter, path, PathSyntax::Posix, page)) ++admitted;
      benchmark::DoNotOptimize(ExtractBaseName(path, PathSyntax::Posix, page));
      benchmark::DoNotOptimize(FolderPart(path, PathSyntax::Posix, page));
    }
    benchmark::DoNotOptimize(admitted);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(paths.size()));
}

void BM_SplitAndFilterCp932(benchmark::State& state) { SplitAndFilter(state, CodePage::Cp932()); }
void BM_SplitAndFilterUtf8(benchmark::State& state) { SplitAndFilter(state, CodePage::Utf8()); }

void BM_CaseInsensitiveCompare(benchmark::State& state) {
  const std::vector<std::string> paths = MakePaths(CodePage::Utf8());
  for (auto _ : state) {
    int sum = 0;
    for (std::size_t i = 1; i < paths.size(); ++i)
      sum += CompareTextNoCase(paths[i - 1], paths[i], CodePage::Utf8());
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(paths.size()));
}

BENCHMARK(BM_SplitAndFilterCp932)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SplitAndFilterUtf8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CaseInsensitiveCompare)->Unit(benchmark::kMillisecond);

}  // namespace
