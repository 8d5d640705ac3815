#pragma once

#include <array>

#include "core/conversion/character_conversion.h"
#include "core/settings/ini_document.h"

namespace morvane::core {

// The character conversion's choices as the settings file keeps them: each the index of
// its combo box in the window (0 leaves; the katakana's first choice is full width, the
// others' first choice is half width, katakana, NFC or lower case). An index out of
// range reads as leaving.
struct StoredConversion {
  CharacterConversion conversion;
  bool extensionToo = false;
};

// The seven combo boxes' indexes, in the order alnum, symbols, space, katakana, kana,
// normalize, letters; an index out of range leaves.
using ConversionIndexes = std::array<int, 7>;
CharacterConversion ConversionOfIndexes(const ConversionIndexes& indexes);
ConversionIndexes IndexesOfConversion(const CharacterConversion& conversion);

StoredConversion ReadConversionSettings(const IniDocument& document);
void WriteConversionSettings(IniDocument& document, const StoredConversion& stored);

}  // namespace morvane::core
