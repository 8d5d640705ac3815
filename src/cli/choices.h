#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvane::cli {

// The word of words closest to typed, when it is close enough to be what was meant (a
// letter or two off); nothing otherwise. Letter case does not count.
std::optional<std::string> ClosestWord(std::string_view typed, const std::vector<std::string>& words);

// "a, b or c" (conjunction "or"), or "a, b and c".
std::string ListWords(const std::vector<std::string>& words, std::string_view conjunction);

// " (did you mean "b"?)" when a word is close to typed; empty otherwise.
std::string DidYouMean(std::string_view typed, const std::vector<std::string>& words);

}  // namespace morvane::cli
