#pragma once

#include <string>
#include <string_view>

#include "core/text/code_page.h"

namespace morvane::core {

// The text with a-z turned into A-Z. Bytes inside multi-byte characters and all other
// bytes stay as they are; the result has the input's length, however long it is.
std::string UpperCaseSjis(std::string_view text, const CodePage& codePage = ActiveCodePage());

// The text with A-Z turned into a-z, under the same rules as UpperCaseSjis.
std::string LowerCaseSjis(std::string_view text, const CodePage& codePage = ActiveCodePage());

// Case-insensitive order of names: the upper-case forms compared byte by byte, and,
// when those are equal, the original bytes, so that two different names never count as
// one. Negative, zero or positive like strcmp.
int CompareTextNoCase(std::string_view a, std::string_view b, const CodePage& codePage = ActiveCodePage());

// True when both texts have the same upper-case form (ASCII letters only).
bool EqualsNoCase(std::string_view a, std::string_view b, const CodePage& codePage = ActiveCodePage());

}  // namespace morvane::core
