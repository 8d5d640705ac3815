#pragma once

#include <string_view>

#include "core/text/code_page.h"

namespace morvane::core {

// The order CompareTextNoCase gives the texts a1 + a2 and b1 + b2 (the upper-case forms
// byte by byte, then the original bytes), without building either text or its
// upper-case form: a million paths are ordered without a folded copy of each. A
// character may span the join of the two pieces.
int CompareCaseBlind(std::string_view a1, std::string_view a2, std::string_view b1, std::string_view b2,
                     const CodePage& codePage);

}  // namespace morvane::core
