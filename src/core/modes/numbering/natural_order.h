#pragma once

#include <string>
#include <string_view>

#include "core/text/code_page.h"

namespace morvane::core {

// Natural order of file names: a run of digits (ASCII 0-9 and full-width ０-９, mixed
// or not) counts as one number and compares by its value, however many digits it has
// (a1 < a2 < a10 < a100, 第2話 < 第１０話); everything else compares as the name order
// does, by the upper-case forms (CompareTextNoCase), a number sorting where a digit
// would. Names whose numbers are equal in value but spelled differently (b01, b1) are
// ordered by the name order.

// The key of a name in natural order: the name with each run of digits replaced by its
// value written in ASCII digits, without leading zeros and after a prefix that gives
// its length, so that longer numbers sort after shorter ones. CompareTextNoCase orders
// two keys as natural order orders their names, and keys are equal exactly when the
// names are equal but for the spelling of their numbers. A key is made once per name,
// so that a sort compares bytes only.
std::string NaturalOrderKey(std::string_view name, const CodePage& codePage = ActiveCodePage());

// Negative, zero or positive as a comes before, with or after b in natural order; zero
// only for byte-equal names.
int CompareNaturalOrder(std::string_view a, std::string_view b, const CodePage& codePage = ActiveCodePage());

}  // namespace morvane::core
