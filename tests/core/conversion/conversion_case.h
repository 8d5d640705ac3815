#pragma once

// A row of conversion_cases.inc: {label, conversion, code page, name, outcome, new name}.
#include <string_view>

#include "core/conversion/character_conversion.h"
#include "core/text/code_page.h"

namespace morvane::core::conversion_table {

inline const CodePage& Sjis = CodePage::Cp932();
inline const CodePage& Utf8 = CodePage::Utf8();
using W = WidthChange;
using K = KanaChange;
using N = NormalForm;
using L = LetterCase;
using O = ConversionOutcome;

struct ConversionCase {
  const char* label;
  CharacterConversion conversion;
  const CodePage* page;
  std::string_view name;
  ConversionOutcome outcome;
  std::string_view expected;
};

inline const ConversionCase kCases[] = {
#include "conversion_cases.inc"
};

}  // namespace morvane::core::conversion_table
