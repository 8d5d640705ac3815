// A character conversion runs once per file of a run; these convert 100,000 names of
// the kinds a folder of photos, episodes and downloads holds: plain ASCII, Japanese with
// full-width digits, half-width katakana, and names decomposed as macOS writes them.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/conversion/character_conversion.h"

namespace {

using namespace morvane::core;

std::vector<std::string> MakeNames(const CodePage& page) {
  // Each kind a quarter of the names; the CP932 set leaves out the decomposed names,
  // which CP932 cannot hold.
  const std::vector<std::string> kinds = {
      "IMG_", "第１０話　ｻﾌﾞﾀｲﾄﾙ（", "ﾃﾞｰﾀ_ﾌｧｲﾙ ",
      page.Kind() == CodePageKind::Utf8 ? "テ\u3099ータ ハ\u309Aス " : "データ "};
  std::vector<std::string> names;
  names.reserve(100'000);
  for (int i = 0; i < 100'000; ++i) {
    names.push_back(page.FromUtf8(kinds[i % kinds.size()] + std::to_string(i) + (i % 3 ? ".JPG" : ".mp4")));
  }
  return names;
}

void Convert(benchmark::State& state, const CodePage& page, const CharacterConversion& conversion) {
  const std::vector<std::string> names = MakeNames(page);
  for (auto _ : state) {
    std::size_t changed = 0;
    for (const std::string& name : names) {
      changed += ConvertCharacters(name, conversion, page).outcome == ConversionOutcome::Changed;
    }
    benchmark::DoNotOptimize(changed);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(names.size()));
}

// What a person tidying names asks for most: half-width letters, digits and spaces,
// full-width katakana, composed characters.
const CharacterConversion kTidy{.alnum = WidthChange::ToHalf,
                                .space = WidthChange::ToHalf,
                                .katakana = WidthChange::ToFull,
                                .normalize = NormalForm::Nfc};
const CharacterConversion kEverything{.alnum = WidthChange::ToFull,
                                      .symbols = WidthChange::ToFull,
                                      .space = WidthChange::ToFull,
                                      .katakana = WidthChange::ToHalf,
                                      .kana = KanaChange::ToKatakana,
                                      .normalize = NormalForm::Nfd,
                                      .letters = LetterCase::Upper};

void BM_ConvertTidyUtf8(benchmark::State& state) { Convert(state, CodePage::Utf8(), kTidy); }
void BM_ConvertEverythingUtf8(benchmark::State& state) { Convert(state, CodePage::Utf8(), kEverything); }
void BM_ConvertTidyCp932(benchmark::State& state) { Convert(state, CodePage::Cp932(), kTidy); }

BENCHMARK(BM_ConvertTidyUtf8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertEverythingUtf8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertTidyCp932)->Unit(benchmark::kMillisecond);

}  // namespace
