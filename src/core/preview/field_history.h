#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace morvane::core {

// Moves value to the head of a combo box's field history. The items before
// firstHistory are fixed: they are never compared, moved or removed, so a value may
// stand both as a fixed item and in the history. Every equal history item (exact
// equality) is removed, the value is inserted at firstHistory, and the last item goes
// when the list then holds more than maxItems.
template <typename Item>
void RememberInFieldHistory(std::vector<Item>& items, std::size_t firstHistory, std::size_t maxItems,
                            const Item& value) {
  firstHistory = std::min(firstHistory, items.size());
  items.erase(std::remove(items.begin() + static_cast<std::ptrdiff_t>(firstHistory), items.end(), value),
              items.end());
  items.insert(items.begin() + static_cast<std::ptrdiff_t>(firstHistory), value);
  if (items.size() > maxItems) items.resize(maxItems);
}

}  // namespace morvane::core
