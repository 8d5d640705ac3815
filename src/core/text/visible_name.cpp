#include "core/text/visible_name.h"

#include <algorithm>

namespace morvane::core {
namespace {

constexpr std::string_view kOpen = "$'";
constexpr char kClose = '\'';

bool IsControl(unsigned char byte) { return byte < 0x20 || byte == 0x7F; }

bool NeedsQuoting(std::string_view name) {
  // A plain name that starts like the quoted form is quoted too, so that no plain name
  // reads as the quoted form of another.
  return name.starts_with(kOpen) || std::any_of(name.begin(), name.end(), [](char c) {
           return IsControl(static_cast<unsigned char>(c));
         });
}

void AppendHex(std::string& out, unsigned char byte) {
  constexpr std::string_view kDigits = "0123456789ABCDEF";
  out += "\\x";
  out += kDigits[byte >> 4];
  out += kDigits[byte & 0x0F];
}

// Whether a character of length bytes at text[pos] is a real multi-byte character. The
// code page's walk lets a CP932 lead byte take any next byte, but a trail byte below 0x40
// or 0x7F is none: such a byte (a control character, an apostrophe, a backslash escape
// of ours) must stay visible on its own rather than be swallowed by the lead byte.
bool IsWholeCharacter(std::string_view character, const CodePage& codePage) {
  if (character.size() < 2) return false;
  if (codePage.Kind() == CodePageKind::Utf8) return true;  // continuation bytes are 0x80-0xBF
  const auto trail = static_cast<unsigned char>(character[1]);
  return trail >= 0x40 && trail != 0x7F;
}

// Whether a byte that stands alone is a character of the code page: ASCII, or a CP932
// half-width katakana. Any other high byte is written as \xHH in the quoted form.
bool IsSingleByteCharacter(unsigned char byte, const CodePage& codePage) {
  if (byte < 0x80) return true;
  return codePage.Kind() == CodePageKind::Cp932 && byte >= 0xA1 && byte <= 0xDF;
}

void AppendSingleByte(std::string& out, unsigned char byte, const CodePage& codePage) {
  switch (byte) {
    case '\t':
      out += "\\t";
      return;
    case '\n':
      out += "\\n";
      return;
    case '\r':
      out += "\\r";
      return;
    case '\\':
      out += "\\\\";
      return;
    case '\'':
      out += "\\'";
      return;
    default:
      break;
  }
  if (IsControl(byte) || !IsSingleByteCharacter(byte, codePage)) {
    AppendHex(out, byte);
  } else {
    out += static_cast<char>(byte);
  }
}

}  // namespace

std::string VisibleName(std::string_view name, const CodePage& codePage) {
  if (!NeedsQuoting(name)) return std::string(name);
  std::string out(kOpen);
  out.reserve(name.size() + 8);
  for (std::size_t pos = 0; pos < name.size();) {
    const std::size_t length = codePage.CharLength(name, pos);
    const std::string_view character = name.substr(pos, length);
    if (IsWholeCharacter(character, codePage)) {
      out += character;
      pos += length;
    } else {
      AppendSingleByte(out, static_cast<unsigned char>(name[pos]), codePage);
      ++pos;
    }
  }
  out += kClose;
  return out;
}

}  // namespace morvane::core
