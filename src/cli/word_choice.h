#pragma once

#include <CLI/CLI.hpp>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace morvane::cli {

// An option's value taken from a list of words. A word not in the list is refused with a
// message that names the allowed words in plain text and the closest one (a checked
// transformer would print its internal table).
CLI::Validator WordChoice(std::vector<std::pair<std::string, int>> words);

// The same for a table of core::OptionWord, less the words left out.
template <class Table>
CLI::Validator WordChoice(const Table& table, std::string_view leftOut = {}) {
  std::vector<std::pair<std::string, int>> numbered;
  for (const auto& entry : table) {
    if (entry.word != leftOut) numbered.emplace_back(entry.word, static_cast<int>(entry.value));
  }
  return WordChoice(std::move(numbered));
}

// "a|b|c": the words of the table as an option's value name, less the word left out.
template <class Table>
std::string WordTypeName(const Table& table, std::string_view leftOut = {}) {
  std::string name;
  for (const auto& entry : table) {
    if (entry.word == leftOut) continue;
    if (!name.empty()) name += '|';
    name += entry.word;
  }
  return name;
}

}  // namespace morvane::cli
