#pragma once

#include <string>

#include "core/settings/settings_store.h"

namespace morvane::core {

// The log options of the settings dialog, as the runs use them.
struct LogSettings {
  bool outputLog = false;   // also append every log line to the log file
  bool resultText = false;  // open the result file in the text viewer when a run ends
  std::string textViewer;   // the viewer program; empty means the platform's editor
};

// Reads OutputLog, ResultText and TextViewer of the section Setting (one opening of the
// file; defaults for a missing file or key).
LogSettings ReadLogSettings(const SettingsStore& store);

}  // namespace morvane::core
