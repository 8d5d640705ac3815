#pragma once

#include <string>

#include "core/conversion/character_conversion.h"
#include "core/text/code_page.h"

namespace morvane::core {

// The preview line of the character conversion: an example name with something for
// every choice to change (full-width letters, half-width katakana, hiragana, a space,
// ASCII digits and symbols, an extension) and the name it becomes, "before -> after",
// in the code page. A conversion that leaves everything shows the name twice.
std::string ConversionPreview(const CharacterConversion& conversion, bool extensionToo,
                              const CodePage& codePage = ActiveCodePage());

}  // namespace morvane::core
