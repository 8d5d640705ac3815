#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include "core/text/case_blind_compare.h"

namespace morvane::core {

// Sorts items in place by their text without regard to letter case (code-page aware),
// the bytes deciding between texts that differ only in case, and keeps one of every
// group of items whose texts are byte-equal. piecesOf gives an item's text as two
// pieces (the second may be empty), so that a text need not be stored whole. Nothing
// is copied but the items: a million paths sort without a folded copy of each.
//
// The texts of a run are paths in one folder or a few, so they share a long beginning.
// Past it, eight folded bytes of each text, kept beside its index, decide nearly every
// comparison: the sort then reads a compact array rather than a text somewhere in the
// memory at every step.
template <class Item, class PiecesOf>
void SortCaseBlindUnique(std::vector<Item>& items, PiecesOf piecesOf, const CodePage& codePage) {
  const auto compare = [&](const Item& a, const Item& b) {
    const auto [a1, a2] = piecesOf(a);
    const auto [b1, b2] = piecesOf(b);
    return CompareCaseBlind(a1, a2, b1, b2, codePage);
  };
  if (items.size() < 2 || items.size() > std::numeric_limits<std::uint32_t>::max()) {
    std::sort(items.begin(), items.end(), [&](const Item& a, const Item& b) { return compare(a, b) < 0; });
    items.erase(std::unique(items.begin(), items.end(),
                            [&](const Item& a, const Item& b) { return compare(a, b) == 0; }),
                items.end());
    return;
  }

  // The beginning every text shares.
  const auto [first1, first2] = piecesOf(items.front());
  std::size_t shared = first1.size() + first2.size();
  for (const Item& item : items) {
    const auto [p1, p2] = piecesOf(item);
    shared = SharedStart(first1, first2, p1, p2, shared);
  }
  shared = CaseBlindSkippable(first1, first2, shared, codePage);

  struct Keyed {
    std::uint64_t key;
    std::uint32_t index;
  };
  std::vector<Keyed> keyed(items.size());
  for (std::size_t i = 0; i < items.size(); ++i) {
    const auto [p1, p2] = piecesOf(items[i]);
    keyed[i] = {CaseBlindKey(p1, p2, shared, codePage), static_cast<std::uint32_t>(i)};
  }
  std::sort(keyed.begin(), keyed.end(), [&](const Keyed& a, const Keyed& b) {
    if (a.key != b.key) return a.key < b.key;
    return compare(items[a.index], items[b.index]) < 0;
  });

  // Each place i takes the item at keyed[i].index, one cycle of the order at a time.
  constexpr std::uint32_t kPlaced = std::numeric_limits<std::uint32_t>::max();
  for (std::size_t start = 0; start < keyed.size(); ++start) {
    if (keyed[start].index == kPlaced) continue;
    Item held = std::move(items[start]);
    std::size_t to = start;
    while (true) {
      const std::size_t from = std::exchange(keyed[to].index, kPlaced);
      if (from == start) break;
      items[to] = std::move(items[from]);
      to = from;
    }
    items[to] = std::move(held);
  }

  // Byte-equal texts have equal keys, and now lie side by side.
  std::size_t kept = 0;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (kept > 0 && keyed[kept - 1].key == keyed[i].key && compare(items[kept - 1], items[i]) == 0) continue;
    if (kept != i) {
      items[kept] = std::move(items[i]);
      keyed[kept].key = keyed[i].key;
    }
    ++kept;
  }
  items.erase(items.begin() + static_cast<std::ptrdiff_t>(kept), items.end());
}

}  // namespace morvane::core
