#pragma once

#include <iterator>
#include <optional>
#include <string_view>
#include <vector>

#include "core/conversion/character_conversion.h"
#include "core/run/conflict_policy.h"
#include "core/run/run_settings.h"

namespace morvane::core {

// A value of an option that the command line and the presets spell as a word.
template <class Value>
struct OptionWord {
  std::string_view word;
  Value value;
};

inline constexpr OptionWord<SortType> kOrderWords[] = {
    {"name", SortType::Name},         {"ext", SortType::Extension},  {"size", SortType::Size},
    {"date", SortType::ModifiedDate}, {"user", SortType::UserOrder}, {"natural", SortType::Natural},
    {"taken", SortType::Taken}};
// The window's case combos: the index of none, upper and lower.
inline constexpr OptionWord<int> kCaseWords[] = {{"none", 0}, {"upper", 1}, {"lower", 2}};
inline constexpr OptionWord<WidthChange> kWidthWords[] = {{"half", WidthChange::ToHalf},
                                                          {"full", WidthChange::ToFull}};
inline constexpr OptionWord<KanaChange> kKanaWords[] = {{"katakana", KanaChange::ToKatakana},
                                                        {"hiragana", KanaChange::ToHiragana}};
inline constexpr OptionWord<NormalForm> kNormalFormWords[] = {{"nfc", NormalForm::Nfc},
                                                              {"nfd", NormalForm::Nfd}};
inline constexpr OptionWord<LetterCase> kLetterWords[] = {{"lower", LetterCase::Lower},
                                                          {"upper", LetterCase::Upper}};
// "auto" (the next free number) only where a run numbers its files.
inline constexpr OptionWord<ConflictPolicy> kConflictWords[] = {{"ask", ConflictPolicy::Ask},
                                                                {"overwrite", ConflictPolicy::Overwrite},
                                                                {"auto", ConflictPolicy::Auto},
                                                                {"skip", ConflictPolicy::Skip},
                                                                {"abort", ConflictPolicy::Abort}};
inline constexpr std::string_view kNumberingOnlyConflictWord = "auto";

// The words of a table, in its order.
template <class Table>
std::vector<std::string_view> WordsOf(const Table& table) {
  std::vector<std::string_view> words;
  for (const auto& entry : table) words.push_back(entry.word);
  return words;
}

template <class Table>
auto ValueOfWord(const Table& table, std::string_view word)
    -> std::optional<decltype(std::begin(table)->value)> {
  for (const auto& entry : table) {
    if (entry.word == word) return entry.value;
  }
  return std::nullopt;
}

// The value's word, or "" for a value no word stands for (a conversion that leaves).
template <class Table, class Value>
std::string_view WordOfValue(const Table& table, Value value) {
  for (const auto& entry : table) {
    if (entry.value == value) return entry.word;
  }
  return {};
}

}  // namespace morvane::core
