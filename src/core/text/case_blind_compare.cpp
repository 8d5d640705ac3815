#include "core/text/case_blind_compare.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace morvane::core {
namespace {

unsigned char Upper(unsigned char byte) {
  return byte >= 'a' && byte <= 'z' ? static_cast<unsigned char>(byte - ('a' - 'A')) : byte;
}

// The bytes of first + second one at a time, upper-cased as UpperCaseSjis upper-cases
// the whole text: a byte that a lead byte takes with it is never a letter.
class FoldedBytes {
 public:
  // From start on, which must be where a character begins.
  FoldedBytes(std::string_view first, std::string_view second, const CodePage& codePage,
              std::size_t start = 0)
      : m_first(first), m_second(second), m_codePage(codePage), m_pos(start) {}

  bool AtEnd() const { return m_pos == m_first.size() + m_second.size(); }

  unsigned char Next() {
    const auto byte = static_cast<unsigned char>(m_pos < m_first.size() ? m_first[m_pos]
                                                                        : m_second[m_pos - m_first.size()]);
    ++m_pos;
    if (m_takenByLead) {
      m_takenByLead = false;
      return byte;
    }
    // A lead byte that ends the text stands alone; it is no letter either way.
    if (m_codePage.TakesNextByte(byte)) {
      m_takenByLead = !AtEnd();
      return byte;
    }
    return Upper(byte);
  }

 private:
  std::string_view m_first;
  std::string_view m_second;
  const CodePage& m_codePage;
  std::size_t m_pos;
  bool m_takenByLead = false;
};

int Sign(int value) { return (value > 0) - (value < 0); }

// The first position from pos on, below end, where a and b differ, or end. Eight bytes
// at a time: paths to sort share long beginnings.
std::size_t FirstDifference(const char* a, const char* b, std::size_t pos, std::size_t end) {
  if constexpr (std::endian::native == std::endian::little) {
    for (; pos + 8 <= end; pos += 8) {
      std::uint64_t x = 0;
      std::uint64_t y = 0;
      std::memcpy(&x, a + pos, 8);
      std::memcpy(&y, b + pos, 8);
      if (x != y) return pos + static_cast<std::size_t>(std::countr_zero(x ^ y) / 8);
    }
  }
  while (pos < end && a[pos] == b[pos]) ++pos;
  return pos;
}

// UTF-8 upper-cases byte by byte, so the upper-case forms agree wherever the bytes do:
// only the bytes where a and b first differ need folding.
int CompareUpperUtf8(std::string_view a, std::string_view b) {
  std::size_t pos = 0;
  const std::size_t common = std::min(a.size(), b.size());
  while (true) {
    pos = FirstDifference(a.data(), b.data(), pos, common);
    if (pos == common) return static_cast<int>(a.size() > b.size()) - static_cast<int>(a.size() < b.size());
    const unsigned char x = Upper(static_cast<unsigned char>(a[pos]));
    const unsigned char y = Upper(static_cast<unsigned char>(b[pos]));
    if (x != y) return x < y ? -1 : 1;
    ++pos;
  }
}

int CompareUpper(std::string_view a1, std::string_view a2, std::string_view b1, std::string_view b2,
                 const CodePage& codePage) {
  // Pieces that line up (the first pieces as long, or no second pieces) compare piece by
  // piece, which in UTF-8 is the fast path.
  if (codePage.Kind() == CodePageKind::Utf8 && (a1.size() == b1.size() || (a2.empty() && b2.empty()))) {
    if (const int first = CompareUpperUtf8(a1, b1); first != 0 || (a2.empty() && b2.empty())) return first;
    return CompareUpperUtf8(a2, b2);
  }
  FoldedBytes a(a1, a2, codePage);
  FoldedBytes b(b1, b2, codePage);
  while (!a.AtEnd() && !b.AtEnd()) {
    const unsigned char x = a.Next();
    const unsigned char y = b.Next();
    if (x != y) return x < y ? -1 : 1;
  }
  return static_cast<int>(!a.AtEnd()) - static_cast<int>(!b.AtEnd());
}

int CompareBytes(std::string_view a1, std::string_view a2, std::string_view b1, std::string_view b2) {
  if (a1.size() == b1.size()) {
    if (const int first = a1.compare(b1); first != 0) return Sign(first);
    return Sign(a2.compare(b2));
  }
  // The shorter first piece ends inside the other's: compare up to there, then the rest
  // of the longer first piece against the start of the other's second piece.
  const bool aShorter = a1.size() < b1.size();
  const std::string_view shortFirst = aShorter ? a1 : b1;
  const std::string_view longFirst = aShorter ? b1 : a1;
  const std::string_view shortSecond = aShorter ? a2 : b2;
  const std::string_view longSecond = aShorter ? b2 : a2;
  int result = Sign(shortFirst.compare(longFirst.substr(0, shortFirst.size())));
  if (result == 0) {
    const std::string_view longRest = longFirst.substr(shortFirst.size());
    result = Sign(shortSecond.substr(0, longRest.size()).compare(longRest));
    if (result == 0 && shortSecond.size() < longRest.size()) result = -1;
    if (result == 0) result = Sign(shortSecond.substr(longRest.size()).compare(longSecond));
  }
  return aShorter ? result : -result;
}

}  // namespace

int CompareCaseBlind(std::string_view a1, std::string_view a2, std::string_view b1, std::string_view b2,
                     const CodePage& codePage) {
  if (const int folded = CompareUpper(a1, a2, b1, b2, codePage); folded != 0) return folded;
  return CompareBytes(a1, a2, b1, b2);
}

std::size_t SharedStart(std::string_view first, std::string_view second, std::string_view other1,
                        std::string_view other2, std::size_t limit) {
  limit = std::min({limit, first.size() + second.size(), other1.size() + other2.size()});
  // The bytes from pos on that lie in one piece.
  const auto run = [](std::string_view p1, std::string_view p2, std::size_t pos) {
    return pos < p1.size() ? p1.substr(pos) : p2.substr(pos - p1.size());
  };
  std::size_t pos = 0;
  while (pos < limit) {
    const std::string_view a = run(first, second, pos);
    const std::string_view b = run(other1, other2, pos);
    const std::size_t length = std::min({a.size(), b.size(), limit - pos});
    const std::size_t alike = FirstDifference(a.data(), b.data(), 0, length);
    pos += alike;
    if (alike < length) break;
  }
  return pos;
}

std::size_t CaseBlindSkippable(std::string_view first, std::string_view second, std::size_t limit,
                               const CodePage& codePage) {
  limit = std::min(limit, first.size() + second.size());
  // UTF-8 folds byte by byte: any byte is a place to begin.
  if (codePage.Kind() == CodePageKind::Utf8) return limit;
  const auto byteAt = [&](std::size_t pos) {
    return static_cast<unsigned char>(pos < first.size() ? first[pos] : second[pos - first.size()]);
  };
  std::size_t pos = 0;
  while (pos < limit) {
    if (!codePage.TakesNextByte(byteAt(pos))) {
      ++pos;
    } else if (pos + 1 < limit) {
      pos += 2;
    } else {
      return pos;
    }
  }
  return limit;
}

std::uint64_t CaseBlindKey(std::string_view first, std::string_view second, std::size_t skip,
                           const CodePage& codePage) {
  FoldedBytes folded(first, second, codePage, std::min(skip, first.size() + second.size()));
  std::uint64_t key = 0;
  for (int i = 0; i < 8; ++i) key = key << 8 | (folded.AtEnd() ? 0 : folded.Next());
  return key;
}

}  // namespace morvane::core
