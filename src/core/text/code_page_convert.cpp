// Conversions between a code page and Unicode, used only at the display edge and for
// the program's own literals (markers and messages written in the active code page).
#include <iconv.h>

#include <array>
#include <cerrno>
#include <cstdint>

#include "core/text/code_page.h"

namespace morvane::core {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf16(std::u16string& out, char32_t cp) {
  if (cp >= 0x10000) {
    cp -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
  } else {
    out.push_back(static_cast<char16_t>(cp));
  }
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// Decodes one UTF-16 code point at text[i]; a lone surrogate becomes U+FFFD.
char32_t NextUtf16(std::u16string_view text, std::size_t& i) {
  const char16_t unit = text[i++];
  if (unit >= 0xD800 && unit <= 0xDBFF && i < text.size() && text[i] >= 0xDC00 && text[i] <= 0xDFFF) {
    const char16_t low = text[i++];
    return 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (low - 0xDC00);
  }
  if (unit >= 0xD800 && unit <= 0xDFFF) return kReplacement;
  return unit;
}

// Decodes the character of `length` bytes at utf8[pos], already known to be well formed.
char32_t DecodeUtf8(std::string_view utf8, std::size_t pos, std::size_t length) {
  const auto at = [&](std::size_t k) { return static_cast<unsigned char>(utf8[pos + k]); };
  if (length == 1) return at(0) < 0x80 ? at(0) : kReplacement;
  char32_t cp = at(0) & (0xFF >> (length + 1));
  for (std::size_t k = 1; k < length; ++k) cp = (cp << 6) | (at(k) & 0x3F);
  return cp;
}

// One iconv descriptor for one conversion call; converts a single character at a time
// so that an invalid character costs only itself.
class Iconv {
 public:
  Iconv(const char* to, const char* from) : m_handle(iconv_open(to, from)) {}
  ~Iconv() {
    if (Ok()) iconv_close(m_handle);
  }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;

  // (iconv_t)-1 is how iconv_open says it failed; there is no other way to compare.
  // NOLINTNEXTLINE(performance-no-int-to-ptr)
  bool Ok() const { return m_handle != reinterpret_cast<iconv_t>(-1); }

  // Converts `in` whole; false when iconv refuses it.
  bool Convert(std::string_view in, std::string& out) {
    if (!Ok()) return false;
    iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
    std::array<char, 16> buffer{};
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    char* outPtr = buffer.data();
    std::size_t outLeft = buffer.size();
    if (iconv(m_handle, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0) {
      return false;
    }
    out.assign(buffer.data(), static_cast<std::size_t>(outPtr - buffer.data()));
    return true;
  }

 private:
  iconv_t m_handle;
};

std::u32string Cp932ToCodePoints(const CodePage& page, std::string_view bytes) {
  std::u32string result;
  Iconv converter("UTF-32LE", "CP932");
  std::string piece;
  for (std::size_t pos = 0; pos < bytes.size();) {
    const std::size_t length = page.CharLength(bytes, pos);
    if (converter.Convert(bytes.substr(pos, length), piece) && piece.size() == 4) {
      const auto b = [&](int k) { return static_cast<char32_t>(static_cast<unsigned char>(piece[k])); };
      result.push_back(b(0) | (b(1) << 8) | (b(2) << 16) | (b(3) << 24));
    } else {
      result.push_back(kReplacement);
    }
    pos += length;
  }
  return result;
}

std::string CodePointsToCp932(const std::u32string& codePoints) {
  std::string result;
  Iconv converter("CP932", "UTF-32LE");
  std::string piece;
  for (char32_t cp : codePoints) {
    const std::array<char, 4> in = {static_cast<char>(cp & 0xFF), static_cast<char>((cp >> 8) & 0xFF),
                                    static_cast<char>((cp >> 16) & 0xFF),
                                    static_cast<char>((cp >> 24) & 0xFF)};
    if (cp != kReplacement && converter.Convert(std::string_view(in.data(), in.size()), piece) &&
        !piece.empty()) {
      result += piece;
    } else {
      result.push_back('?');
    }
  }
  return result;
}

std::u32string Utf8ToCodePoints(std::string_view utf8) {
  std::u32string result;
  const CodePage& page = CodePage::Utf8();
  for (std::size_t pos = 0; pos < utf8.size();) {
    const std::size_t length = page.CharLength(utf8, pos);
    result.push_back(DecodeUtf8(utf8, pos, length));
    pos += length;
  }
  return result;
}

std::u32string Utf16ToCodePoints(std::u16string_view text) {
  std::u32string result;
  for (std::size_t i = 0; i < text.size();) result.push_back(NextUtf16(text, i));
  return result;
}

std::u32string ToCodePoints(const CodePage& page, std::string_view bytes) {
  return page.Kind() == CodePageKind::Utf8 ? Utf8ToCodePoints(bytes) : Cp932ToCodePoints(page, bytes);
}

std::string FromCodePoints(const CodePage& page, const std::u32string& codePoints) {
  if (page.Kind() == CodePageKind::Cp932) return CodePointsToCp932(codePoints);
  std::string result;
  for (char32_t cp : codePoints) AppendUtf8(result, cp);
  return result;
}

}  // namespace

std::u16string CodePage::ToUtf16(std::string_view bytes) const {
  std::u16string result;
  for (char32_t cp : ToCodePoints(*this, bytes)) AppendUtf16(result, cp);
  return result;
}

std::string CodePage::FromUtf16(std::u16string_view text) const {
  return FromCodePoints(*this, Utf16ToCodePoints(text));
}

std::string CodePage::ToUtf8(std::string_view bytes) const {
  std::string result;
  for (char32_t cp : ToCodePoints(*this, bytes)) AppendUtf8(result, cp);
  return result;
}

std::string CodePage::FromUtf8(std::string_view utf8) const {
  return FromCodePoints(*this, Utf8ToCodePoints(utf8));
}

}  // namespace morvane::core
