#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace morvane::core {

enum class CodePageKind { Cp932, Utf8 };

// A byte encoding of names, paths, settings values and log lines. Core walks text one
// whole character at a time through CharLength, so that a byte inside a multi-byte
// character is never taken for a separator, a dot, a comma or a letter.
class CodePage {
 public:
  static const CodePage& Cp932();
  static const CodePage& Utf8();

  CodePageKind Kind() const { return m_kind; }
  std::string_view Name() const;

  // Number of bytes of the character that starts at text[pos] (pos < text.size()).
  // CP932: a lead byte 0x81-0x9F or 0xE0-0xFC takes the next byte with it, whatever
  // that byte is; a lead byte that is the last byte stands alone.
  // UTF-8: a well-formed sequence is one character; any other byte stands alone.
  std::size_t CharLength(std::string_view text, std::size_t pos) const {
    // ASCII stands alone in both code pages; this is the hot path of every name rule.
    if (static_cast<unsigned char>(text[pos]) < 0x80) return 1;
    return NonAsciiCharLength(text, pos);
  }

  // True when byte, standing where a character starts, takes the next byte with it
  // whatever that byte is: a CP932 lead byte. Never in UTF-8, where no ASCII byte
  // occurs inside a character, so a walk over bytes that only looks for ASCII needs
  // no character boundaries there.
  bool TakesNextByte(unsigned char byte) const {
    return m_kind == CodePageKind::Cp932 &&
           ((byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC));
  }

  // True when pos is the first byte of a character (not inside one).
  bool IsCharStart(std::string_view text, std::size_t pos) const;

  // The longest prefix of text of at most maxBytes bytes that ends on a whole character.
  std::string_view CutAtCharBoundary(std::string_view text, std::size_t maxBytes) const;

  // Conversions for display and for literals. Bytes that are not valid in this code
  // page become U+FFFD; characters it cannot hold become '?'.
  std::u16string ToUtf16(std::string_view bytes) const;
  std::string FromUtf16(std::u16string_view text) const;
  std::string ToUtf8(std::string_view bytes) const;
  std::string FromUtf8(std::string_view utf8) const;

 private:
  explicit CodePage(CodePageKind kind) : m_kind(kind) {}
  std::size_t NonAsciiCharLength(std::string_view text, std::size_t pos) const;
  CodePageKind m_kind;
};

// The code page for a locale codeset name (as nl_langinfo(CODESET) gives it):
// SHIFT_JIS, SJIS, CP932 and WINDOWS-31J (any case) select CP932, all else UTF-8.
const CodePage& CodePageForCodeset(std::string_view codeset);

// The code page of this process. It is chosen once at start-up (the platform layer
// reads the locale); until then it is UTF-8. Tests pass a code page explicitly.
const CodePage& ActiveCodePage();
void SetActiveCodePage(const CodePage& codePage);

}  // namespace morvane::core
