#include "cli/choices.h"

#include <algorithm>

#include "cli/word_choice.h"

namespace morvane::cli {
namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The number of single-letter insertions, deletions and changes from a to b.
std::size_t EditDistance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j < row.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      const std::size_t change = diagonal + (Lower(a[i - 1]) == Lower(b[j - 1]) ? 0 : 1);
      row[j] = std::min({above + 1, row[j - 1] + 1, change});
      diagonal = above;
    }
  }
  return row[b.size()];
}

}  // namespace

std::optional<std::string> ClosestWord(std::string_view typed, const std::vector<std::string>& words) {
  std::optional<std::string> closest;
  std::size_t best = 0;
  for (const std::string& word : words) {
    const std::size_t distance = EditDistance(typed, word);
    if (!closest || distance < best) {
      closest = word;
      best = distance;
    }
  }
  // Two edits still catch a swapped pair of letters; a short word needs to keep most of
  // its letters, or "xyz" would suggest "ext".
  if (!closest || best > 2 || best * 2 >= std::max(typed.size(), closest->size())) return std::nullopt;
  return closest;
}

std::string ListWords(const std::vector<std::string>& words, std::string_view conjunction) {
  std::string text;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (i > 0) text += i + 1 == words.size() ? " " + std::string(conjunction) + " " : ", ";
    text += words[i];
  }
  return text;
}

std::string DidYouMean(std::string_view typed, const std::vector<std::string>& words) {
  const std::optional<std::string> closest = ClosestWord(typed, words);
  return closest ? " (did you mean \"" + *closest + "\"?)" : "";
}

CLI::Validator WordChoice(std::vector<std::pair<std::string, int>> words) {
  std::vector<std::string> names;
  names.reserve(words.size());
  for (const auto& pair : words) names.push_back(pair.first);
  return CLI::Validator(
      [words = std::move(words), names = std::move(names)](std::string& value) -> std::string {
        for (const auto& [word, number] : words) {
          if (word == value) {
            // The option's own conversion reads the value from its number.
            value = std::to_string(number);
            return "";
          }
        }
        return "\"" + value + "\" is not allowed; use " + ListWords(names, "or") + DidYouMean(value, names);
      },
      "");
}

}  // namespace morvane::cli
