#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace morvane::cli {

// The word of words closest to typed, when it is close enough to be what was meant (a
// letter or two off); nothing otherwise. Letter case does not count.
std::optional<std::string> ClosestWord(std::string_view typed, const std::vector<std::string>& words);

// "a, b or c" (conjunction "or"), or "a, b and c".
std::string ListWords(const std::vector<std::string>& words, std::string_view conjunction);

// " (did you mean "b"?)" when a word is close to typed; empty otherwise.
std::string DidYouMean(std::string_view typed, const std::vector<std::string>& words);

// An option's value taken from a list of words. A word not in the list is refused with a
// message that names the allowed words in plain text and the closest one (a checked
// transformer would print its internal table).
CLI::Validator WordChoice(std::vector<std::pair<std::string, int>> words);

template <class Value>
CLI::Validator WordChoice(const std::vector<std::pair<std::string, Value>>& words) {
  std::vector<std::pair<std::string, int>> numbered;
  numbered.reserve(words.size());
  for (const auto& [word, value] : words) numbered.emplace_back(word, static_cast<int>(value));
  return WordChoice(std::move(numbered));
}

}  // namespace morvane::cli
