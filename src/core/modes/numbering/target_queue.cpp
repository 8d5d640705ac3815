#include "core/modes/numbering/target_queue.h"

#include "core/text/case_blind_order.h"

namespace morvane::core {

void TargetQueue::Add(std::string key, std::string_view path, const FileIdentity& identity) {
  key += path;
  m_entries.push_back({std::move(key), identity});
  m_sorted = false;
}

const std::vector<TargetQueue::Entry>& TargetQueue::Entries() const {
  // Entries are collected unsorted and ordered once when they are next read: a run adds
  // every file before it reads the first, and one sort is much cheaper than keeping a
  // tree of 100,000 strings ordered.
  if (!m_sorted) {
    SortCaseBlindUnique(
        m_entries, [](const Entry& entry) -> const std::string& { return entry.text; }, *m_codePage);
    m_sorted = true;
  }
  return m_entries;
}

void TargetQueue::Clear() {
  m_entries.clear();
  m_sorted = true;
}

}  // namespace morvane::core
