#pragma once

#include <cstdint>
#include <string_view>

namespace morvane::core {

// Where the running number starts, how far it may go and how wide it is written.
struct NumberLimits {
  std::int64_t currentNumber = 0;
  std::int64_t maxNumber = 99999999;
  int numberWidth = 0;  // 0: no leading zeros
};

// From the start number as typed (1 to 8 digits): a text that begins with 0 and is
// longer than one character fixes the width to its length and the maximum to that many
// nines ("007" gives 999); any other text writes numbers without leading zeros, up to
// 99999999.
NumberLimits ComputeNumberLimits(std::string_view startText);

}  // namespace morvane::core
