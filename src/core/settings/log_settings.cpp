#include "core/settings/log_settings.h"

#include "core/settings/settings_keys.h"

namespace morvane::core {

LogSettings ReadLogSettings(const SettingsStore& store) {
  const IniDocument document = store.Load();
  return {document.Read(keys::kSettingOutputLog), document.Read(keys::kSettingResultText),
          document.Read(keys::kSettingTextViewer)};
}

}  // namespace morvane::core
