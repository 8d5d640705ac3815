#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/conversion/character_conversion.h"
#include "core/modes/renaming/name_pattern.h"
#include "core/text/code_page.h"

namespace morvane::core {

// Where string A first occurs in text, or npos. An occurrence starts on a whole
// character, never on a byte inside a multi-byte character, so a one-byte A cannot be
// found inside a double-byte character. Without caseSensitive, ASCII letters match
// either case. An empty A occurs nowhere.
std::size_t FindString(std::string_view text, std::string_view a, bool caseSensitive,
                       const CodePage& codePage = ActiveCodePage());

inline bool ContainsString(std::string_view text, std::string_view a, bool caseSensitive,
                           const CodePage& codePage = ActiveCodePage()) {
  return FindString(text, a, caseSensitive, codePage) != std::string_view::npos;
}

// The text with every occurrence of A replaced by B, left to right. Occurrences do not
// overlap, the text around them keeps its letter case, and B is never searched again.
std::string ReplaceAllOccurrences(std::string_view text, std::string_view a, std::string_view b,
                                  bool caseSensitive, const CodePage& codePage = ActiveCodePage());

// The new extension of an extension change, without its dot: the text in the extension
// case, then trimmed; empty means the files lose their extension.
std::string ConvertedNewExtension(std::string_view newExtensionText, int extensionCase,
                                  const CodePage& codePage = ActiveCodePage());

// The new names below take a file name without its folder. A name made only of blanks
// (bytes up to 0x20, which Linux allows) is all base name and has no extension: the
// modes keep its blanks as they keep the base name of any other name.

// An extension change: the base name in the name case, then "." and the new extension
// (ConvertedNewExtension) unless that is empty. Only the last extension is replaced.
std::string ExtensionChangeName(std::string_view fileName, std::string_view newExtensionText, int nameCase,
                                int extensionCase, const CodePage& codePage = ActiveCodePage());

// A case conversion: the base name in the name case and the extension (dot included)
// in the extension case; a case of 0 leaves its part as it is.
std::string CaseConversionName(std::string_view fileName, int nameCase, int extensionCase,
                               const CodePage& codePage = ActiveCodePage());

// The fields that shape a new name in the string replacement and addition modes.
struct NameEditSettings {
  std::string stringA;
  std::string stringB;
  bool caseSensitive = true;  // replacement only: A matches byte for byte
  bool changeExtension = false;
  std::string newExtensionText;  // trimmed, without its dot; empty removes the extension
  int nameCase = 0;
  int extensionCase = 0;
};

// A string replacement: every A in the base name replaced by B, A found whatever the
// normalization forms (ReplaceCanonicalOccurrences); the rest keeps its bytes.
std::string ReplacementName(std::string_view fileName, const NameEditSettings& settings,
                            const CodePage& codePage = ActiveCodePage());

// A regular-expression replacement: every match in the base name replaced, then the
// extension and the cases as in ReplacementName. The name is empty unless Replaced.
PatternResult PatternReplacementName(std::string_view fileName, const NamePattern& pattern,
                                     const NameEditSettings& settings,
                                     const CodePage& codePage = ActiveCodePage());

// A string addition: A + base name + B.
std::string AdditionName(std::string_view fileName, const NameEditSettings& settings,
                         const CodePage& codePage = ActiveCodePage());

// A character conversion: the base name converted, and the extension after its dot too
// when extensionToo (the dot itself stays, so that a full-width symbol conversion keeps
// the name's extension). The outcome is the worst of the two parts': a part that cannot
// be converted leaves the whole name; Changed when either part changed.
ConvertedName CharacterConversionName(std::string_view fileName, const CharacterConversion& conversion,
                                      bool extensionToo, const CodePage& codePage = ActiveCodePage());

}  // namespace morvane::core
