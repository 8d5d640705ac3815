#pragma once

#include "cli/cli11_forward.h"
#include "core/conversion/character_conversion.h"

namespace morvane::cli {

// What `convert` converts: the character conversion and whether the extension is
// converted too.
struct ConversionOptions {
  core::CharacterConversion conversion;
  bool extensionToo = false;
};

// The options that choose the conversion: --alnum, --symbols, --space and --katakana
// (half|full), --kana (katakana|hiragana), --normalize (nfc|nfd), --letters
// (lower|upper) and --ext-too.
void AddConversionOptions(CLI::App& command, ConversionOptions& options);

}  // namespace morvane::cli
