#pragma once

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

StoredConversion ReadConversionSettings(const IniDocument& document);
void WriteConversionSettings(IniDocument& document, const StoredConversion& stored);

}  // namespace morvane::core
