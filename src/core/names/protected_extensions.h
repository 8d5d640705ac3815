#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/names/extension_words.h"
#include "core/text/code_page.h"

namespace morvane::core {

// The extension words (without dots) that no operation touches: the enabled built-in
// words first, in the order BAT COM EXE DLL REG SYS INI DAT, then the user's own list.
class ProtectedExtensions {
 public:
  ProtectedExtensions() = default;
  ProtectedExtensions(std::vector<std::string> words, const CodePage& codePage);

  const std::vector<std::string>& Words() const { return m_words.Words(); }

  // True when the extension (dot included) equals "." + some word, without regard to
  // case; an empty extension is never protected.
  bool Protects(std::string_view extension) const {
    return !extension.empty() && m_words.HasExtension(extension);
  }

 private:
  ExtensionWords m_words;
};

// True when the extension (dot included) is protected by the list.
bool IsProtectedExtension(const ProtectedExtensions& list, std::string_view extension);

}  // namespace morvane::core
