#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/code_page.h"

namespace morvane::core {

// A UTF-8 text in its canonical decomposition (NFD), cut into segments that
// normalization never crosses: each segment begins where a character of the text
// begins, and no character composes with, or is reordered against, the one before a
// segment. A byte that is no UTF-8 character is a segment of its own, held as
// kRawByteBase + the byte, a value that no character equals.
//
// Segment k covers units [unitStarts[k], unitStarts[k + 1]) and the text's bytes
// [byteStarts[k], byteStarts[k + 1]); both lists end with the totals, so a text has
// unitStarts.size() - 1 segments.
struct CanonicalText {
  static constexpr char32_t kRawByteBase = 0x110000;

  std::u32string units;
  std::vector<std::size_t> unitStarts;
  std::vector<std::size_t> byteStarts;
};

// The text decomposed, with a-z upper-cased in the decomposition when foldAsciiCase.
CanonicalText DecomposeCanonically(std::string_view utf8, bool foldAsciiCase);

// A form of text that is the same for two texts exactly when they are equal whatever
// their normalization forms and the case of their ASCII letters (é and É are equal,
// since É decomposes into E and a combining accent): in UTF-8 the canonical
// decomposition with a-z upper-cased, bytes that are no character kept; in CP932, and
// for ASCII text, UpperCaseSjis. Made once per word, it lets a sorted list of words be
// searched per file.
std::string CanonicalCaseBlindForm(std::string_view text, const CodePage& codePage = ActiveCodePage());

// True when a and b have the same CanonicalCaseBlindForm: "." + a typed extension word
// admits a file's extension whatever the normalization forms of the two. Exactly
// EqualsNoCase in CP932 and for ASCII texts.
bool EqualsCanonicalCaseBlind(std::string_view a, std::string_view b,
                              const CodePage& codePage = ActiveCodePage());

}  // namespace morvane::core
