#include "core/preview/preview_history.h"

#include <algorithm>

#include "core/text/trim.h"

namespace morvane::core {

bool PreviewHistoryList::Record(std::string_view previewText, std::string entry) {
  if (IsBlank(previewText)) return false;
  const auto equal = std::find(m_entries.begin(), m_entries.end(), entry);
  if (equal != m_entries.end()) m_entries.erase(equal);
  m_entries.insert(m_entries.begin(), std::move(entry));
  if (m_entries.size() > kMaxEntries) m_entries.pop_back();
  return true;
}

std::vector<std::string> PreviewHistoryList::OldestFirst() const {
  return {m_entries.rbegin(), m_entries.rend()};
}

}  // namespace morvane::core
