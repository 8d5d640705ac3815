#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace morvane::core {

// The preview history of one mode: the entries of the last distinct runs, newest first,
// no two equal (byte equality). Two entries may still share a preview text.
class PreviewHistoryList {
 public:
  static constexpr std::size_t kMaxEntries = 10;

  // Puts the entry at the head, removing an equal one and dropping the oldest beyond
  // the limit. A preview text that is blank records nothing (returns false).
  bool Record(std::string_view previewText, std::string entry);

  // Newest first: an item's position in the history menus is its position here.
  const std::vector<std::string>& Entries() const { return m_entries; }

  // Oldest first, the order the settings file stores them in.
  std::vector<std::string> OldestFirst() const;

 private:
  std::vector<std::string> m_entries;
};

}  // namespace morvane::core
