#pragma once

#include <string>

#include "core/settings/settings_dialog_values.h"

namespace morvane::gui {

// What saving the settings dialog changes in the main window at once.
class SettingsDialogHost {
 public:
  virtual ~SettingsDialogHost() = default;

  // Puts a default's text into its field (start number, front part, ...).
  virtual void ApplyDefaultText(core::DefaultField field, const std::string& text) = 0;
  virtual void RefreshPreview() = 0;
  // Reads the log options again, so the next run logs as just saved.
  virtual void ReloadLogSettings() = 0;
  // Enables the output folder field as the mode and the rename-in-place box say.
  virtual void ApplyOutputFolderRule() = 0;
};

}  // namespace morvane::gui
