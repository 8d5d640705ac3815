#include "core/modes/numbering/natural_order.h"

#include "core/text/case_conversion.h"

namespace morvane::core {
namespace {

// The value 0-9 of the digit character at name[pos] (length bytes), or -1.
int DigitAt(std::string_view name, std::size_t pos, std::size_t length, const CodePage& codePage) {
  const auto at = [&](std::size_t k) { return static_cast<unsigned char>(name[pos + k]); };
  if (length == 1) return at(0) >= '0' && at(0) <= '9' ? at(0) - '0' : -1;
  // ０-９ are U+FF10-FF19: EF BC 90-99 in UTF-8, 82 4F-58 in CP932.
  if (codePage.Kind() == CodePageKind::Utf8) {
    return length == 3 && at(0) == 0xEF && at(1) == 0xBC && at(2) >= 0x90 && at(2) <= 0x99 ? at(2) - 0x90
                                                                                           : -1;
  }
  return length == 2 && at(0) == 0x82 && at(1) >= 0x4F && at(1) <= 0x58 ? at(1) - 0x4F : -1;
}

// A number's length, written so that byte order is numeric order and no written length
// begins another: 0-8 as one digit; from 9 on, "9", the written length of the length's
// own digits, then those digits (9 -> "919", 123 -> "93123").
void AppendLength(std::string& key, std::size_t length) {
  if (length < 9) {
    key.push_back(static_cast<char>('0' + length));
    return;
  }
  const std::string digits = std::to_string(length);
  key.push_back('9');
  AppendLength(key, digits.size());
  key += digits;
}

}  // namespace

std::string NaturalOrderKey(std::string_view name, const CodePage& codePage) {
  std::string key;
  key.reserve(name.size() + 4);
  std::string number;
  for (std::size_t pos = 0; pos < name.size();) {
    std::size_t length = codePage.CharLength(name, pos);
    int digit = DigitAt(name, pos, length, codePage);
    if (digit < 0) {
      key.append(name.substr(pos, length));
      pos += length;
      continue;
    }
    number.clear();
    while (digit >= 0) {
      // Leading zeros do not count: 007 is 7.
      if (digit != 0 || !number.empty()) number.push_back(static_cast<char>('0' + digit));
      pos += length;
      if (pos == name.size()) break;
      length = codePage.CharLength(name, pos);
      digit = DigitAt(name, pos, length, codePage);
    }
    AppendLength(key, number.size());
    key += number;
  }
  return key;
}

int CompareNaturalOrder(std::string_view a, std::string_view b, const CodePage& codePage) {
  const int byKey = CompareTextNoCase(NaturalOrderKey(a, codePage), NaturalOrderKey(b, codePage), codePage);
  return byKey != 0 ? byKey : CompareTextNoCase(a, b, codePage);
}

}  // namespace morvane::core
