#include "core/targets/target_list.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace morvane::core {

bool IsUserOrderState(OperatingMode mode, int sortType) {
  return mode == OperatingMode::SequentialRename && sortType == kUserOrderSortType;
}

ListArrangement ArrangementFor(OperatingMode mode, int sortType) {
  return IsUserOrderState(mode, sortType) ? ListArrangement::Reorder : ListArrangement::Selection;
}

std::vector<std::string> TargetList::Paths() const {
  std::vector<std::string> paths;
  paths.reserve(m_entries.size());
  for (const Entry& entry : m_entries) paths.push_back(entry.path);
  return paths;
}

void TargetList::Append(std::string path) { m_entries.push_back({std::move(path), false}); }

void TargetList::AppendUnique(const std::string& path) {
  RemoveIf([&](const Entry& entry) { return entry.path == path; });
  Append(path);
}

void TargetList::AppendEachUnique(const std::vector<std::string>& paths) {
  // Each path's last place among the new ones: an earlier equal one would be removed
  // again by the later append.
  std::unordered_map<std::string_view, std::size_t> lastPlace;
  for (std::size_t i = 0; i < paths.size(); ++i) lastPlace[paths[i]] = i;
  RemoveIf([&](const Entry& entry) { return lastPlace.contains(entry.path); });
  for (std::size_t i = 0; i < paths.size(); ++i) {
    if (lastPlace[paths[i]] == i) Append(paths[i]);
  }
}

void TargetList::InsertEachAtTop(const std::vector<std::string>& paths) {
  std::vector<Entry> entries;
  entries.reserve(paths.size() + m_entries.size());
  for (auto path = paths.rbegin(); path != paths.rend(); ++path) entries.push_back({*path, false});
  std::move(m_entries.begin(), m_entries.end(), std::back_inserter(entries));
  m_entries = std::move(entries);
  if (m_current) *m_current += paths.size();
}

void TargetList::Clear() {
  m_entries.clear();
  m_selectedCount = 0;
  m_current.reset();
}

template <typename Predicate>
void TargetList::RemoveIf(Predicate remove) {
  std::size_t kept = 0;
  std::optional<std::size_t> current;
  for (std::size_t i = 0; i < m_entries.size(); ++i) {
    if (remove(m_entries[i])) {
      if (m_entries[i].selected) --m_selectedCount;
      continue;
    }
    if (m_current == i) current = kept;
    if (kept != i) m_entries[kept] = std::move(m_entries[i]);
    ++kept;
  }
  m_entries.resize(kept);
  m_current = current;
}

bool TargetList::RemoveSelected() {
  // The place the last deleted entry had in the shortened list.
  std::optional<std::size_t> lastDeleted;
  std::size_t deletedBefore = 0;
  for (std::size_t i = 0; i < m_entries.size(); ++i) {
    if (m_entries[i].selected) lastDeleted = i - deletedBefore++;
  }
  if (!lastDeleted) return false;
  RemoveIf([](const Entry& entry) { return entry.selected; });
  m_current.reset();
  if (*lastDeleted < m_entries.size()) SelectOnly(*lastDeleted);
  return true;
}

void TargetList::SetSelected(std::size_t index, bool selected) {
  Entry& entry = m_entries[index];
  if (entry.selected == selected) return;
  entry.selected = selected;
  selected ? ++m_selectedCount : --m_selectedCount;
}

void TargetList::SelectOnly(std::size_t index) {
  ClearSelection();
  SetSelected(index, true);
  m_current = index;
}

void TargetList::ClearSelection() {
  if (m_selectedCount == 0) return;
  for (Entry& entry : m_entries) entry.selected = false;
  m_selectedCount = 0;
}

std::optional<std::size_t> TargetList::FirstSelected() const {
  if (m_selectedCount == 0) return std::nullopt;
  for (std::size_t i = 0; i < m_entries.size(); ++i) {
    if (m_entries[i].selected) return i;
  }
  return std::nullopt;
}

void TargetList::KeepOneSelected() {
  if (m_selectedCount <= 1) return;
  const std::size_t keep = m_current && IsSelected(*m_current) ? *m_current : *FirstSelected();
  ClearSelection();
  SetSelected(keep, true);
}

std::optional<std::size_t> TargetList::ActedOn() const {
  if (m_current && *m_current < m_entries.size()) return m_current;
  return FirstSelected();
}

void TargetList::Move(std::size_t from, std::size_t to) {
  Entry moved = std::move(m_entries[from]);
  m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(from));
  m_entries.insert(m_entries.begin() + static_cast<std::ptrdiff_t>(to), std::move(moved));
  SelectOnly(to);
}

void TargetList::MoveToTop() {
  if (const auto i = ActedOn()) Move(*i, 0);
}

void TargetList::MoveUp() {
  if (const auto i = ActedOn()) Move(*i, *i == 0 ? 0 : *i - 1);
}

void TargetList::MoveDown() {
  if (const auto i = ActedOn()) Move(*i, *i + 1 == m_entries.size() ? *i : *i + 1);
}

void TargetList::MoveToBottom() {
  if (const auto i = ActedOn()) Move(*i, m_entries.size() - 1);
}

std::size_t DropTargetRow(int y, int rowHeight, std::size_t topRow, std::size_t count, std::size_t source) {
  if (rowHeight <= 0 || y < 0) return source;
  std::size_t target = static_cast<std::size_t>(y / rowHeight) + topRow;
  if (target >= count) target = count;
  if (target > source) --target;
  return target;
}

std::optional<std::size_t> RowAtHeight(int y, int rowHeight, std::size_t topRow, std::size_t count) {
  if (rowHeight <= 0 || y < 0) return std::nullopt;
  const std::size_t row = static_cast<std::size_t>(y / rowHeight) + topRow;
  if (row >= count) return std::nullopt;
  return row;
}

}  // namespace morvane::core
