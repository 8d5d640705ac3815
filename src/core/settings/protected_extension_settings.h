#pragma once

#include <array>
#include <string_view>

#include "core/names/protected_extensions.h"
#include "core/text/code_page.h"

namespace morvane::core {

class SettingsStore;

// The list from its settings: which built-in words are on (in the order BAT COM EXE DLL
// REG SYS INI DAT) and the
// user's comma-separated list, which adds nothing when it is blank or the no-list item.
ProtectedExtensions MakeProtectedExtensions(const std::array<bool, 8>& builtInEnabled,
                                            std::string_view userList, const CodePage& codePage);

// The list as the settings file holds it now (every built-in word on by default).
ProtectedExtensions LoadProtectedExtensions(const SettingsStore& store);

}  // namespace morvane::core
