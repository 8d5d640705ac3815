#include "core/text/trim.h"

namespace morvane::core {

std::string_view TrimBlanks(std::string_view text) {
  const auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && isBlank(text[first])) ++first;
  while (last > first && isBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

}  // namespace morvane::core
