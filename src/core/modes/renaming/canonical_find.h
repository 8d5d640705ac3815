#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/code_page.h"

namespace morvane::core {

// The bytes [begin, end) of a text.
struct ByteRange {
  std::size_t begin = 0;
  std::size_t end = 0;
  bool operator==(const ByteRange&) const = default;
};

// Every occurrence of a in text, left to right and not overlapping, as byte ranges of
// text, so that a caller can replace them and keep every other byte exactly.
//
// In UTF-8, text and a match whatever their normalization forms: a typed "が" finds か
// followed by the combining voiced mark U+3099, and a decomposed a finds a composed
// name. An occurrence is made of whole characters and never splits what Unicode composes
// into one: "か" is not found in "が", whichever form either has. Without caseSensitive,
// ASCII letters match either case, also where a decomposed accented letter holds one (é
// matches É). Bytes that are no UTF-8 character match only themselves.
//
// In CP932, and in UTF-8 when text and a are both ASCII, the occurrences are exactly
// those that FindString finds one after another. An empty a occurs nowhere.
std::vector<ByteRange> FindCanonicalOccurrences(std::string_view text, std::string_view a, bool caseSensitive,
                                                const CodePage& codePage = ActiveCodePage());

// True when a occurs in text (FindCanonicalOccurrences).
inline bool ContainsCanonically(std::string_view text, std::string_view a, bool caseSensitive,
                                const CodePage& codePage = ActiveCodePage()) {
  return !FindCanonicalOccurrences(text, a, caseSensitive, codePage).empty();
}

// The text with every occurrence of a (FindCanonicalOccurrences) replaced by b; b is
// never searched again. ReplaceAllOccurrences where that finds the same occurrences.
std::string ReplaceCanonicalOccurrences(std::string_view text, std::string_view a, std::string_view b,
                                        bool caseSensitive, const CodePage& codePage = ActiveCodePage());

}  // namespace morvane::core
