#include "core/run/target_queue.h"

#include <algorithm>

#include "core/text/case_conversion.h"

namespace morvane::core {

void TargetQueue::Add(std::string key, std::string_view path, FileId file) {
  key += path;
  m_entries.push_back({std::move(key), file});
  m_sorted = false;
}

const std::vector<TargetQueue::Entry>& TargetQueue::Entries() const {
  if (!m_sorted) Normalize();
  return m_entries;
}

void TargetQueue::Clear() {
  m_entries.clear();
  m_sorted = true;
}

void TargetQueue::Normalize() const {
  // Fold each entry once instead of inside every comparison.
  struct Ordered {
    std::string folded;
    std::size_t index;
  };
  std::vector<Ordered> order;
  order.reserve(m_entries.size());
  for (std::size_t i = 0; i < m_entries.size(); ++i) {
    order.push_back({UpperCaseSjis(m_entries[i].text, *m_codePage), i});
  }
  auto less = [this](const Ordered& a, const Ordered& b) {
    if (const int folded = a.folded.compare(b.folded); folded != 0) return folded < 0;
    if (const int raw = m_entries[a.index].text.compare(m_entries[b.index].text); raw != 0) return raw < 0;
    return a.index < b.index;  // the earlier of two equal entries stays
  };
  std::sort(order.begin(), order.end(), less);

  std::vector<Entry> sorted;
  sorted.reserve(m_entries.size());
  for (const Ordered& item : order) {
    Entry& entry = m_entries[item.index];
    if (!sorted.empty() && sorted.back().text == entry.text) continue;
    sorted.push_back(std::move(entry));
  }
  m_entries = std::move(sorted);
  m_sorted = true;
}

}  // namespace morvane::core
