#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/names/extension_words.h"
#include "core/text/code_page.h"

namespace morvane::core {

class SettingsStore;

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

// The list from its settings: which built-in words are on (in the order above) and the
// user's comma-separated list, which adds nothing when it is blank or the no-list item.
ProtectedExtensions MakeProtectedExtensions(const std::array<bool, 8>& builtInEnabled,
                                            std::string_view userList, const CodePage& codePage);

// The list as the settings file holds it now (every built-in word on by default).
ProtectedExtensions LoadProtectedExtensions(const SettingsStore& store);

// True when the extension (dot included) is protected by the list.
bool IsProtectedExtension(const ProtectedExtensions& list, std::string_view extension);

}  // namespace morvane::core
