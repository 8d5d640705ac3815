#include "core/text/canonical_form.h"

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <cstdlib>

#include "core/text/case_conversion.h"
#include "core/text/unicode_text.h"

namespace morvane::core {
namespace {

const icu::Normalizer2& Instance(const icu::Normalizer2* (*get)(UErrorCode&)) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* normalizer = get(status);
  if (U_FAILURE(status)) std::abort();  // built into ICU's data library
  return *normalizer;
}

void AppendDecomposition(const icu::UnicodeString& segment, std::u32string& units) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::UnicodeString decomposed = Instance(icu::Normalizer2::getNFDInstance).normalize(segment, status);
  const icu::UnicodeString& source = U_SUCCESS(status) ? decomposed : segment;
  for (int32_t i = 0; i < source.length(); i = source.moveIndex32(i, 1)) {
    units.push_back(static_cast<char32_t>(source.char32At(i)));
  }
}

}  // namespace

CanonicalText DecomposeCanonically(std::string_view utf8, bool foldAsciiCase) {
  const CodePage& page = CodePage::Utf8();
  // A segment ends before a character that nothing before it can compose with or be
  // reordered against: NFC's boundary, which is NFD's too.
  const icu::Normalizer2& nfc = Instance(icu::Normalizer2::getNFCInstance);
  CanonicalText out;
  out.units.reserve(utf8.size());
  icu::UnicodeString segment;
  bool afterRawByte = false;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const std::size_t length = page.CharLength(utf8, pos);
    const auto lead = static_cast<unsigned char>(utf8[pos]);
    const bool rawByte = length == 1 && lead >= 0x80;
    UChar32 c = lead;
    if (!rawByte) {
      std::size_t next = pos;
      U8_NEXT_UNSAFE(reinterpret_cast<const std::uint8_t*>(utf8.data()), next, c);
    }
    if (out.byteStarts.empty() || rawByte || afterRawByte || nfc.hasBoundaryBefore(c)) {
      if (!segment.isEmpty()) AppendDecomposition(segment, out.units);
      segment.remove();
      out.unitStarts.push_back(out.units.size());
      out.byteStarts.push_back(pos);
    }
    if (rawByte) {
      out.units.push_back(CanonicalText::kRawByteBase + lead);
    } else {
      segment.append(c);
    }
    afterRawByte = rawByte;
    pos += length;
  }
  if (!segment.isEmpty()) AppendDecomposition(segment, out.units);
  out.unitStarts.push_back(out.units.size());
  out.byteStarts.push_back(utf8.size());
  if (foldAsciiCase) {
    for (char32_t& unit : out.units) {
      if (unit >= 'a' && unit <= 'z') unit -= 'a' - 'A';
    }
  }
  return out;
}

std::string CanonicalCaseBlindForm(std::string_view text, const CodePage& codePage) {
  if (codePage.Kind() == CodePageKind::Cp932 || IsAscii(text)) return UpperCaseSjis(text, codePage);
  std::string form;
  form.reserve(text.size());
  for (const char32_t unit : DecomposeCanonically(text, true).units) {
    if (unit >= CanonicalText::kRawByteBase) {
      form.push_back(static_cast<char>(unit - CanonicalText::kRawByteBase));
    } else {
      AppendUtf8(form, unit);
    }
  }
  return form;
}

bool EqualsCanonicalCaseBlind(std::string_view a, std::string_view b, const CodePage& codePage) {
  if (codePage.Kind() == CodePageKind::Cp932 || (IsAscii(a) && IsAscii(b)))
    return EqualsNoCase(a, b, codePage);
  return CanonicalCaseBlindForm(a, codePage) == CanonicalCaseBlindForm(b, codePage);
}

}  // namespace morvane::core
