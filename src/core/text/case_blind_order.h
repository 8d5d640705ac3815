#pragma once

#include <algorithm>
#include <utility>
#include <vector>

#include "core/text/case_blind_compare.h"

namespace morvane::core {

// Sorts items in place by their text without regard to letter case (code-page aware),
// the bytes deciding between texts that differ only in case, and keeps one of every
// group of items whose texts are byte-equal. piecesOf gives an item's text as two
// pieces (the second may be empty), so that a text need not be stored whole. Nothing
// is copied but the items: a million paths sort without a folded copy of each.
template <class Item, class PiecesOf>
void SortCaseBlindUnique(std::vector<Item>& items, PiecesOf piecesOf, const CodePage& codePage) {
  const auto compare = [&](const Item& a, const Item& b) {
    const auto [a1, a2] = piecesOf(a);
    const auto [b1, b2] = piecesOf(b);
    return CompareCaseBlind(a1, a2, b1, b2, codePage);
  };
  std::sort(items.begin(), items.end(), [&](const Item& a, const Item& b) { return compare(a, b) < 0; });
  items.erase(std::unique(items.begin(), items.end(),
                          [&](const Item& a, const Item& b) { return compare(a, b) == 0; }),
              items.end());
}

}  // namespace morvane::core
