#pragma once

#include <algorithm>
#include <vector>

namespace bench {

// The middle of a benchmark's repeated times (the upper middle of an even count): one
// slow run, the machine busy for a moment, does not move it.
inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace bench
