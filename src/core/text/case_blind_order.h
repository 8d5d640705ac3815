#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "core/text/case_conversion.h"

namespace morvane::core {

// Sorts items by their text without regard to letter case (code-page aware), the bytes
// deciding between texts that differ only in case, and drops every item whose text is
// byte-equal to an earlier one. Of two equal items the one added first stays. Each text
// is folded once, not inside every comparison, so 100,000 paths sort quickly.
template <class Item, class TextOf>
void SortCaseBlindUnique(std::vector<Item>& items, TextOf textOf, const CodePage& codePage) {
  struct Ordered {
    std::string folded;
    std::size_t index;
  };
  std::vector<Ordered> order;
  order.reserve(items.size());
  for (std::size_t i = 0; i < items.size(); ++i)
    order.push_back({UpperCaseSjis(textOf(items[i]), codePage), i});
  std::sort(order.begin(), order.end(), [&](const Ordered& a, const Ordered& b) {
    if (const int folded = a.folded.compare(b.folded); folded != 0) return folded < 0;
    if (const int raw = textOf(items[a.index]).compare(textOf(items[b.index])); raw != 0) return raw < 0;
    return a.index < b.index;
  });

  std::vector<Item> sorted;
  sorted.reserve(items.size());
  for (const Ordered& item : order) {
    Item& next = items[item.index];
    if (!sorted.empty() && textOf(sorted.back()) == textOf(next)) continue;
    sorted.push_back(std::move(next));
  }
  items = std::move(sorted);
}

}  // namespace morvane::core
