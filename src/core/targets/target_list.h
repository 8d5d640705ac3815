#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/run/operating_mode.h"

namespace morvane::core {

// The index of the numbering order "ユーザ指定" (user order) in its combo box.
inline constexpr int kUserOrderSortType = 4;

// How the list lets the user select and reorder its entries.
enum class ListArrangement {
  Selection,  // any number selected together; no dragging
  Reorder,    // at most one selected; dragging and the move commands; no folder button
};

// The user-order state: the rename mode with the numbering order "ユーザ指定".
bool IsUserOrderState(OperatingMode mode, int sortType);
ListArrangement ArrangementFor(OperatingMode mode, int sortType);

// The ordered paths the next run works on, with their selection. Entries are byte
// strings kept exactly as they were given; the same path may stand more than once, and
// entries are equal only when their bytes are. The current entry is the one the move
// commands act on.
class TargetList {
 public:
  std::size_t Size() const { return m_entries.size(); }
  bool Empty() const { return m_entries.empty(); }
  const std::string& At(std::size_t index) const { return m_entries[index].path; }
  std::vector<std::string> Paths() const;

  // Appends without looking for equal entries.
  void Append(std::string path);
  // Removes every entry equal to path, then appends it: a path already listed moves
  // to the end.
  void AppendUnique(const std::string& path);
  // AppendUnique for each path in turn, in one pass over the list.
  void AppendEachUnique(const std::vector<std::string>& paths);
  // Puts each path at the top in turn, so the last one ends up first. One pass, however
  // many paths there are.
  void InsertEachAtTop(const std::vector<std::string>& paths);
  void Clear();

  // Deletes the selected entries. The entry that followed the last deleted one becomes
  // the current and only selected entry; when the last deleted one was the last entry,
  // nothing is selected. False when nothing was selected.
  bool RemoveSelected();

  bool IsSelected(std::size_t index) const { return m_entries[index].selected; }
  void SetSelected(std::size_t index, bool selected);
  void SelectOnly(std::size_t index);
  void ClearSelection();
  std::size_t SelectedCount() const { return m_selectedCount; }
  std::optional<std::size_t> FirstSelected() const;
  // Keeps at most one selected entry: the current one when it is selected, otherwise
  // the first selected one (for the change to the reorder arrangement).
  void KeepOneSelected();

  std::optional<std::size_t> Current() const { return m_current; }
  void SetCurrent(std::optional<std::size_t> index) { m_current = index; }

  // The move commands act on the current entry (or, without one, the first selected);
  // it stays the current, only selected entry. Moving the first up or the last down
  // changes nothing.
  void MoveToTop();
  void MoveUp();
  void MoveDown();
  void MoveToBottom();
  // Moves the entry at from to position to (both inside the list); it becomes the
  // current, only selected entry.
  void Move(std::size_t from, std::size_t to);

 private:
  struct Entry {
    std::string path;
    bool selected = false;
  };

  std::optional<std::size_t> ActedOn() const;
  // Removes the entries for which remove is true, keeping current and the count right.
  template <typename Predicate>
  void RemoveIf(Predicate remove);

  std::vector<Entry> m_entries;
  std::size_t m_selectedCount = 0;
  std::optional<std::size_t> m_current;
};

// Where a dragged entry lands when it is dropped at height y of the list (the row
// under the pointer, counted from the top visible row; the end when below the last
// row). The entry lands just above the entry that was under the pointer, so dropping
// it on itself changes nothing.
std::size_t DropTargetRow(int y, int rowHeight, std::size_t topRow, std::size_t count, std::size_t source);

// The row under height y of the list, or nothing below the last row.
std::optional<std::size_t> RowAtHeight(int y, int rowHeight, std::size_t topRow, std::size_t count);

}  // namespace morvane::core
