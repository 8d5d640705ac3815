#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

namespace morvane::core {

// Append-only storage for many short byte strings (the paths of a run): each is copied
// into the current block and handed back as a view that stays valid until Clear. A
// million paths cost their bytes and a few hundred blocks, rather than a heap block of
// their own each, and no view moves when the storage grows.
class ByteArena {
 public:
  // A copy of first followed by second, as one view.
  std::string_view Add(std::string_view first, std::string_view second = {});
  // Frees every block; every view handed out before is invalid afterwards.
  void Clear();
  // The bytes handed out so far.
  std::size_t Bytes() const { return m_bytes; }

 private:
  char* Room(std::size_t size);

  std::vector<std::unique_ptr<char[]>> m_blocks;
  std::size_t m_blockSize = 0;  // of the newest block
  std::size_t m_used = 0;       // in the newest block
  std::size_t m_bytes = 0;
};

// Copies the text of every item, in the items' order, into a fresh arena that then
// replaces arena. Texts gathered while unsorted lie in the order they were found; once
// sorted, every later pass over the items would read them all over the memory, a cache
// miss each at a million paths. Gathered, those passes read front to back.
template <class Item>
void GatherInOrder(std::vector<Item>& items, std::string_view Item::*text, ByteArena& arena) {
  ByteArena gathered;
  for (Item& item : items) item.*text = gathered.Add(item.*text);
  arena = std::move(gathered);
}

}  // namespace morvane::core
