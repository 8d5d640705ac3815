#include "core/text/unicode_text.h"

#include <unicode/utf8.h>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace morvane::core {

bool DecodeUtf8(std::string_view utf8, std::u32string& codePoints) {
  // ICU counts in 32-bit offsets; no name or typed text comes near that.
  if (utf8.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) return false;
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(utf8.data());
  const auto length = static_cast<std::int32_t>(utf8.size());
  for (std::int32_t i = 0; i < length;) {
    UChar32 c = 0;
    U8_NEXT(bytes, i, length, c);
    if (c < 0) return false;
    codePoints.push_back(static_cast<char32_t>(c));
  }
  return true;
}

void AppendUtf8(std::string& utf8, char32_t codePoint) {
  std::uint8_t buffer[U8_MAX_LENGTH];
  std::int32_t length = 0;
  U8_APPEND_UNSAFE(buffer, length, codePoint);
  utf8.append(reinterpret_cast<const char*>(buffer), static_cast<std::size_t>(length));
}

bool IsAscii(std::string_view text) {
  return std::ranges::all_of(text, [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
}

}  // namespace morvane::core
