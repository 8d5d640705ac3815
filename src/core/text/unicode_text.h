#pragma once

#include <string>
#include <string_view>

namespace morvane::core {

// Decodes well-formed UTF-8 (under 2 GiB) into code points, appended to codePoints; false,
// with codePoints unspecified, when some byte is not part of a well-formed character.
bool DecodeUtf8(std::string_view utf8, std::u32string& codePoints);

// The code point (a Unicode scalar value) appended to utf8 in UTF-8.
void AppendUtf8(std::string& utf8, char32_t codePoint);

// True when every byte is ASCII (below 0x80).
bool IsAscii(std::string_view text);

}  // namespace morvane::core
