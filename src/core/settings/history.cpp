#include "core/settings/history.h"

#include <algorithm>

namespace morvane::core {

std::string HistoryKeyName(std::string_view stem, int n) { return std::string(stem) + std::to_string(n); }

std::string HistoryMarker(const keys::HistoryKey& history, const CodePage& codePage) {
  return history.marker.empty() ? std::string() : codePage.FromUtf8(history.marker);
}

LoadedHistory ReadHistory(const IniDocument& document, const keys::HistoryKey& history,
                          const CodePage& codePage) {
  const std::string marker = HistoryMarker(history, codePage);
  LoadedHistory loaded;
  for (int n = history.first; n <= history.last; ++n) {
    const std::string value = document.ReadString(history.section, HistoryKeyName(history.stem, n), "");
    if (value.empty()) break;
    const bool isMarker = !marker.empty() && value == marker;
    if (n == history.first && !isMarker) loaded.text = value;
    if (!isMarker) loaded.items.push_back(value);
  }
  return loaded;
}

LoadedHistory ReadHistory(const SettingsStore& store, const keys::HistoryKey& history) {
  return ReadHistory(store.Load(), history, store.GetCodePage());
}

void WriteHistory(IniDocument& document, const keys::HistoryKey& history,
                  const std::vector<std::string>& items) {
  const std::size_t count = std::min(items.size(), static_cast<std::size_t>(history.Count()));
  for (std::size_t i = 0; i < count; ++i) {
    document.WriteString(history.section, HistoryKeyName(history.stem, history.first + static_cast<int>(i)),
                         items[i]);
  }
}

void WriteHistory(SettingsStore& store, const keys::HistoryKey& history,
                  const std::vector<std::string>& items) {
  store.Update([&](IniDocument& document) { WriteHistory(document, history, items); });
}

}  // namespace morvane::core
