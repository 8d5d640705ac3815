#pragma once

#include <string_view>

namespace morvane::core {

// The text without its leading and trailing bytes up to 0x20 (blanks and control
// characters). Byte-wise on purpose: no byte of a well-formed multi-byte character is
// that low, in either code page.
std::string_view TrimBlanks(std::string_view text);

// True when the text holds nothing but bytes up to 0x20.
inline bool IsBlank(std::string_view text) { return TrimBlanks(text).empty(); }

}  // namespace morvane::core
