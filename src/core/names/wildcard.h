#pragma once

#include <string_view>

#include "core/text/code_page.h"

namespace morvane::core {

// True when name matches the wildcard pattern of a folder search: '*' stands for any run
// of characters (none included), '?' for exactly one whole character of the code page,
// and every other character must equal the name's character when both are upper-cased
// with UpperCaseSjis. A pattern that ends in ".*" also matches when that ".*" is left
// out, so "*.*" matches every name, with or without a dot, and "a*.*" matches "abc".
bool MatchesWildcard(std::string_view pattern, std::string_view name, const CodePage& codePage);

}  // namespace morvane::core
