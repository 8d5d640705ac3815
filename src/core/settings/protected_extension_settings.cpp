#include "core/settings/protected_extension_settings.h"

#include "core/names/extension_filter.h"
#include "core/settings/ini_document.h"
#include "core/settings/settings_keys.h"
#include "core/settings/settings_store.h"
#include "core/text/trim.h"

namespace morvane::core {
namespace {

constexpr std::array<std::string_view, 8> kBuiltInWords = {"BAT", "COM", "EXE", "DLL",
                                                           "REG", "SYS", "INI", "DAT"};

}  // namespace

ProtectedExtensions MakeProtectedExtensions(const std::array<bool, 8>& builtInEnabled,
                                            std::string_view userList, const CodePage& codePage) {
  std::vector<std::string> words;
  for (std::size_t i = 0; i < kBuiltInWords.size(); ++i) {
    if (builtInEnabled[i]) words.emplace_back(kBuiltInWords[i]);
  }
  // The marker counts with blanks around it; the words themselves are taken untrimmed.
  const std::string_view trimmed = TrimBlanks(userList);
  const bool noUserList = trimmed.empty() || trimmed == codePage.FromUtf8(keys::kMarkerNoUserList);
  if (!noUserList) {
    for (std::string& word : SplitCommaList(userList)) words.push_back(std::move(word));
  }
  return ProtectedExtensions(std::move(words), codePage);
}

ProtectedExtensions LoadProtectedExtensions(const SettingsStore& store) {
  const IniDocument settings = store.Load();
  std::array<bool, 8> enabled{};
  for (std::size_t i = 0; i < enabled.size(); ++i) enabled[i] = settings.Read(keys::kGuaudExtBuiltIn[i]);
  return MakeProtectedExtensions(enabled, settings.Read(keys::kGuaudExtUser), store.GetCodePage());
}

}  // namespace morvane::core
