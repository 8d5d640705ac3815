#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/settings/ini_document.h"
#include "core/settings/settings_keys.h"
#include "core/settings/settings_store.h"
#include "core/text/code_page.h"

namespace morvane::core {

// A history list as loaded for a combo box.
struct LoadedHistory {
  std::vector<std::string> items;  // the entries in key order, marker values left out
  std::string text;                // the lowest-numbered entry; empty when it is the marker
};

// The key name of entry n: the stem followed by n in decimal without leading zeros
// ("KyotsuName2", 0 gives "KyotsuName20").
std::string HistoryKeyName(std::string_view stem, int n);

// The history's marker in the code page (empty when the history has none).
std::string HistoryMarker(const keys::HistoryKey& history, const CodePage& codePage);

// Reads the entries from first to last, stopping at the first one that is missing or
// empty. An entry equal to the marker is not added to the items; for the first entry
// only, the value becomes the text, a marker giving an empty text. Each value is read as
// a string (cut to at most 1,023 bytes).
LoadedHistory ReadHistory(const IniDocument& document, const keys::HistoryKey& history,
                          const CodePage& codePage);
LoadedHistory ReadHistory(const SettingsStore& store, const keys::HistoryKey& history);

// Writes items[i] to the entry first + i, for at most Count() items; extra items are
// dropped. Entries beyond the items are left as they are, not removed: the writers
// erase the section first when a shorter list must not show older entries. An empty
// item stops a later ReadHistory there, so callers store the marker instead.
void WriteHistory(IniDocument& document, const keys::HistoryKey& history,
                  const std::vector<std::string>& items);
// The same as one atomic write of the file; throws SettingsWriteError.
void WriteHistory(SettingsStore& store, const keys::HistoryKey& history,
                  const std::vector<std::string>& items);

}  // namespace morvane::core
