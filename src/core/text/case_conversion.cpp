#include "core/text/case_conversion.h"

#include "core/text/case_blind_compare.h"

namespace morvane::core {
namespace {

template <char First, char Last, int Shift>
std::string ConvertSingleByteLetters(std::string_view text, const CodePage& codePage) {
  std::string result(text);
  // No ASCII byte occurs inside a UTF-8 character, so every ASCII letter byte is a letter
  // of its own, and no walk over the characters is needed.
  if (codePage.Kind() == CodePageKind::Utf8) {
    for (char& byte : result) {
      if (byte >= First && byte <= Last) byte = static_cast<char>(byte + Shift);
    }
    return result;
  }
  for (std::size_t pos = 0; pos < result.size();) {
    const std::size_t length = codePage.CharLength(text, pos);
    if (length == 1 && result[pos] >= First && result[pos] <= Last) {
      result[pos] = static_cast<char>(result[pos] + Shift);
    }
    pos += length;
  }
  return result;
}

}  // namespace

std::string UpperCaseSjis(std::string_view text, const CodePage& codePage) {
  return ConvertSingleByteLetters<'a', 'z', 'A' - 'a'>(text, codePage);
}

std::string LowerCaseSjis(std::string_view text, const CodePage& codePage) {
  return ConvertSingleByteLetters<'A', 'Z', 'a' - 'A'>(text, codePage);
}

int CompareTextNoCase(std::string_view a, std::string_view b, const CodePage& codePage) {
  return CompareCaseBlind(a, {}, b, {}, codePage);
}

bool EqualsNoCase(std::string_view a, std::string_view b, const CodePage& codePage) {
  return a.size() == b.size() && UpperCaseSjis(a, codePage) == UpperCaseSjis(b, codePage);
}

}  // namespace morvane::core
