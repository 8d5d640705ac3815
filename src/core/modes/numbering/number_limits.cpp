#include "core/modes/numbering/number_limits.h"

namespace morvane::core {

NumberLimits ComputeNumberLimits(std::string_view startText) {
  NumberLimits limits;
  if (startText.size() > 1 && startText.front() == '0') {
    limits.numberWidth = static_cast<int>(startText.size());
    limits.maxNumber = 0;
    for (std::size_t i = 0; i < startText.size(); ++i) limits.maxNumber = limits.maxNumber * 10 + 9;
  }
  for (const char digit : startText) {
    if (digit >= '0' && digit <= '9') limits.currentNumber = limits.currentNumber * 10 + (digit - '0');
  }
  return limits;
}

}  // namespace morvane::core
