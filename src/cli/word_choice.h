#pragma once

#include <CLI/CLI.hpp>
#include <string>
#include <utility>
#include <vector>

namespace morvane::cli {

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
