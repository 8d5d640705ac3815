#include "core/modes/numbering/target_queue.h"

#include <algorithm>
#include <utility>

#include "core/text/case_blind_order.h"

namespace morvane::core {

void TargetQueue::Add(std::string_view key, std::string_view path, const FileIdentity& identity) {
  m_entries.push_back({m_paths.Add(path), m_keys.Add(key), identity});
  m_ordered = false;
}

void TargetQueue::Order() const {
  // Entries are collected unsorted and ordered once when they are next read: a run adds
  // every file before it reads the first, and one sort is much cheaper than keeping a
  // tree of 100,000 strings ordered.
  SortCaseBlindUnique(
      m_entries, [](const PlannedMove& entry) { return std::pair(entry.to, entry.from); }, *m_codePage);
  if (m_descending) std::reverse(m_entries.begin(), m_entries.end());
  for (PlannedMove& entry : m_entries) entry.to = {};
  m_keys.Clear();
  GatherInOrder(m_entries, &PlannedMove::from, m_paths);
  m_ordered = true;
}

const std::vector<PlannedMove>& TargetQueue::Entries() const {
  if (!m_ordered) Order();
  return m_entries;
}

std::vector<PlannedMove>& TargetQueue::Entries() {
  if (!m_ordered) Order();
  return m_entries;
}

void TargetQueue::Clear() {
  // The memory goes back too: a finished run should not hold a million entries' room.
  std::vector<PlannedMove>().swap(m_entries);
  m_keys.Clear();
  m_paths.Clear();
  m_newPaths.Clear();
  m_ordered = true;
}

}  // namespace morvane::core
