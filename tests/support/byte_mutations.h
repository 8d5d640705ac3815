#pragma once

#include <cstddef>
#include <random>
#include <string>

namespace morvane::test {

// seed changed in one to four random ways, as damaged or hostile files are: flipped bits,
// a byte set to a boundary value (lengths and offsets of 0, 0x7f, 0x80, 0xff), bytes
// inserted or removed in the middle (every offset after them shifts), the file cut short.
inline std::string MutateBytes(const std::string& seed, std::mt19937_64& random) {
  std::string bytes = seed;
  const auto at = [&](std::size_t size) { return size == 0 ? 0 : random() % size; };
  const std::size_t changes = 1 + random() % 4;
  for (std::size_t change = 0; change < changes; ++change) {
    switch (random() % 5) {
      case 0:
        if (!bytes.empty()) bytes[at(bytes.size())] ^= static_cast<char>(1U << (random() % 8));
        break;
      case 1: {
        static constexpr char kBoundaries[] = {'\x00', '\x01', '\x7f', '\x80', '\xfe', '\xff'};
        if (!bytes.empty()) bytes[at(bytes.size())] = kBoundaries[random() % sizeof kBoundaries];
        break;
      }
      case 2:
        bytes.insert(at(bytes.size() + 1), 1 + random() % 8, static_cast<char>(random()));
        break;
      case 3:
        if (!bytes.empty()) bytes.erase(at(bytes.size()), 1 + random() % 8);
        break;
      default:
        bytes.resize(at(bytes.size() + 1));
        break;
    }
  }
  return bytes;
}

}  // namespace morvane::test
