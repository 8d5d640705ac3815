#pragma once

// A row of pattern_cases.inc: {label, pattern, replacement, case-sensitive, name,
// outcome, new name}.
#include <string_view>

#include "core/modes/renaming/name_pattern.h"

namespace morvane::core::pattern_table {

using O = PatternOutcome;

struct PatternCase {
  const char* label;
  std::string_view pattern;
  std::string_view replacement;
  bool caseSensitive;
  std::string_view name;
  PatternOutcome outcome;
  std::string_view expected;
};

inline const PatternCase kCases[] = {
#include "pattern_cases.inc"
};

}  // namespace morvane::core::pattern_table
