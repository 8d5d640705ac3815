#include "core/text/code_page.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cctype>

namespace morvane::core {
namespace {

bool IsCp932LeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

bool InRange(unsigned char b, unsigned char low, unsigned char high) { return b >= low && b <= high; }

// Length of the well-formed UTF-8 sequence at text[pos], or 1 when it is not one
// (the byte then stands alone as an invalid character).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t pos) {
  const auto at = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = at(pos);
  std::size_t length = 0;
  unsigned char secondLow = 0x80;
  unsigned char secondHigh = 0xBF;
  if (lead < 0x80) return 1;
  if (InRange(lead, 0xC2, 0xDF)) {
    length = 2;
  } else if (InRange(lead, 0xE0, 0xEF)) {
    length = 3;
    if (lead == 0xE0) secondLow = 0xA0;   // no overlong forms
    if (lead == 0xED) secondHigh = 0x9F;  // no surrogates
  } else if (InRange(lead, 0xF0, 0xF4)) {
    length = 4;
    if (lead == 0xF0) secondLow = 0x90;
    if (lead == 0xF4) secondHigh = 0x8F;  // nothing above U+10FFFF
  } else {
    return 1;
  }
  if (pos + length > text.size()) return 1;
  if (!InRange(at(pos + 1), secondLow, secondHigh)) return 1;
  for (std::size_t i = 2; i < length; ++i) {
    if (!InRange(at(pos + i), 0x80, 0xBF)) return 1;
  }
  return length;
}

std::atomic<const CodePage*> g_active{nullptr};

}  // namespace

const CodePage& CodePage::Cp932() {
  static const CodePage page(CodePageKind::Cp932);
  return page;
}

const CodePage& CodePage::Utf8() {
  static const CodePage page(CodePageKind::Utf8);
  return page;
}

std::string_view CodePage::Name() const { return m_kind == CodePageKind::Cp932 ? "CP932" : "UTF-8"; }

std::size_t CodePage::NonAsciiCharLength(std::string_view text, std::size_t pos) const {
  if (m_kind == CodePageKind::Utf8) return Utf8SequenceLength(text, pos);
  if (IsCp932LeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size()) return 2;
  return 1;
}

bool CodePage::IsCharStart(std::string_view text, std::size_t pos) const {
  std::size_t i = 0;
  while (i < pos) i += CharLength(text, i);
  return i == pos;
}

std::string_view CodePage::CutAtCharBoundary(std::string_view text, std::size_t maxBytes) const {
  if (text.size() <= maxBytes) return text;
  std::size_t end = 0;
  while (end < text.size()) {
    const std::size_t next = end + CharLength(text, end);
    if (next > maxBytes) break;
    end = next;
  }
  return text.substr(0, end);
}

const CodePage& CodePageForCodeset(std::string_view codeset) {
  std::string upper(codeset);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  static constexpr std::array<std::string_view, 5> kCp932Names = {"SHIFT_JIS", "SHIFT-JIS", "SJIS", "CP932",
                                                                  "WINDOWS-31J"};
  for (std::string_view name : kCp932Names) {
    if (upper == name) return CodePage::Cp932();
  }
  return CodePage::Utf8();
}

const CodePage& ActiveCodePage() {
  const CodePage* page = g_active.load();
  return page != nullptr ? *page : CodePage::Utf8();
}

void SetActiveCodePage(const CodePage& codePage) { g_active.store(&codePage); }

}  // namespace morvane::core
