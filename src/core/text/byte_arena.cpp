#include "core/text/byte_arena.h"

#include <algorithm>
#include <cstring>

namespace morvane::core {
namespace {

// Blocks start small, so that a run of a few files takes little, and double up to a
// size that keeps the number of blocks of a million paths in the hundreds.
constexpr std::size_t kFirstBlock = 4096;
constexpr std::size_t kLargestBlock = std::size_t{1} << 20;

}  // namespace

char* ByteArena::Room(std::size_t size) {
  if (m_blocks.empty() || m_blockSize - m_used < size) {
    const std::size_t next = m_blocks.empty() ? kFirstBlock : std::min(m_blockSize * 2, kLargestBlock);
    m_blockSize = std::max(next, size);
    m_blocks.push_back(std::make_unique_for_overwrite<char[]>(m_blockSize));
    m_used = 0;
  }
  char* room = m_blocks.back().get() + m_used;
  m_used += size;
  m_bytes += size;
  return room;
}

std::string_view ByteArena::Add(std::string_view first, std::string_view second) {
  const std::size_t size = first.size() + second.size();
  if (size == 0) return {};
  char* room = Room(size);
  if (!first.empty()) std::memcpy(room, first.data(), first.size());
  if (!second.empty()) std::memcpy(room + first.size(), second.data(), second.size());
  return {room, size};
}

void ByteArena::Clear() {
  m_blocks.clear();
  m_blockSize = 0;
  m_used = 0;
  m_bytes = 0;
}

}  // namespace morvane::core
