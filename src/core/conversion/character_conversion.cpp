#include "core/conversion/character_conversion.h"

#include <unicode/bytestream.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <array>
#include <cstdlib>
#include <utility>

#include "absl/container/flat_hash_map.h"
#include "core/text/unicode_text.h"

namespace morvane::core {
namespace {

// The full-width counterparts of the half-width katakana block U+FF61-FF9F, in order.
// The two sound marks are the spacing ones: a mark that does not join its kana stays
// visible as a mark of its own.
constexpr std::u16string_view kHalfWidthKanaCounterparts =
    u"。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノ"
    u"ハヒフヘホマミムメモヤユヨラリルレロワン゛゜";
constexpr char32_t kHalfWidthFirst = 0xFF61;
constexpr char32_t kHalfWidthVoiced = 0xFF9E;
constexpr char32_t kHalfWidthSemiVoiced = 0xFF9F;
constexpr char32_t kCombiningVoiced = 0x3099;
constexpr char32_t kCombiningSemiVoiced = 0x309A;
static_assert(kHalfWidthKanaCounterparts.size() == kHalfWidthSemiVoiced - kHalfWidthFirst + 1);

bool InRange(char32_t c, char32_t first, char32_t last) { return c >= first && c <= last; }

// ｦ to ﾝ, the prolonged sound mark included: the half-width characters a sound mark
// belongs to.
bool IsHalfWidthKana(char32_t c) { return InRange(c, 0xFF66, 0xFF9D); }

constexpr char32_t kFullWidthOffset = 0xFF01 - 0x21;

bool IsAsciiAlnum(char32_t c) { return InRange(c, '0', '9') || InRange(c, 'A', 'Z') || InRange(c, 'a', 'z'); }

char32_t ChangeWidth(char32_t c, const CharacterConversion& conversion) {
  if (c == 0x20 && conversion.space == WidthChange::ToFull) return 0x3000;
  if (c == 0x3000 && conversion.space == WidthChange::ToHalf) return 0x20;
  if (InRange(c, 0x21, 0x7E)) {
    const WidthChange change = IsAsciiAlnum(c) ? conversion.alnum : conversion.symbols;
    return change == WidthChange::ToFull ? c + kFullWidthOffset : c;
  }
  if (InRange(c, 0xFF01, 0xFF5E)) {
    const char32_t ascii = c - kFullWidthOffset;
    const WidthChange change = IsAsciiAlnum(ascii) ? conversion.alnum : conversion.symbols;
    return change == WidthChange::ToHalf ? ascii : c;
  }
  return c;
}

const icu::Normalizer2& Normalizer(NormalForm form) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* normalizer = form == NormalForm::Nfd ? icu::Normalizer2::getNFDInstance(status)
                                                               : icu::Normalizer2::getNFCInstance(status);
  // The instances are built into ICU's data library; without it nothing here could run.
  if (U_FAILURE(status)) std::abort();
  return *normalizer;
}

// The half-width forms of the characters U+3000-30FF: none, one character, or a kana and
// its sound mark.
class HalfWidthTable {
 public:
  HalfWidthTable() {
    for (std::size_t i = 0; i < kHalfWidthKanaCounterparts.size(); ++i) {
      m_forms[kHalfWidthKanaCounterparts[i] - kFirst] = {kHalfWidthFirst + static_cast<char32_t>(i), 0};
    }
    // A voiced kana is its canonical decomposition, a kana and a combining mark, when that
    // kana has a half-width form.
    const icu::Normalizer2& nfd = Normalizer(NormalForm::Nfd);
    for (char32_t c = kFirst; c <= kLast; ++c) {
      icu::UnicodeString decomposition;
      if (!nfd.getDecomposition(static_cast<UChar32>(c), decomposition) || decomposition.length() != 2)
        continue;
      const char32_t base = decomposition.charAt(0);
      const char32_t mark = decomposition.charAt(1);
      if (!InRange(base, kFirst, kLast) || !m_forms[base - kFirst][0]) continue;
      if (mark != kCombiningVoiced && mark != kCombiningSemiVoiced) continue;
      m_forms[c - kFirst] = {m_forms[base - kFirst][0],
                             mark == kCombiningVoiced ? kHalfWidthVoiced : kHalfWidthSemiVoiced};
    }
  }

  // The half-width form of c, or nothing.
  const std::array<char32_t, 2>* Find(char32_t c) const {
    if (!InRange(c, kFirst, kLast) || !m_forms[c - kFirst][0]) return nullptr;
    return &m_forms[c - kFirst];
  }

 private:
  static constexpr char32_t kFirst = 0x3000;
  static constexpr char32_t kLast = 0x30FF;
  std::array<std::array<char32_t, 2>, kLast - kFirst + 1> m_forms{};
};

void KatakanaToHalfWidth(std::u32string& text) {
  static const HalfWidthTable table;
  std::u32string result;
  result.reserve(text.size() + 4);
  for (const char32_t c : text) {
    if (const auto* form = table.Find(c)) {
      result.push_back((*form)[0]);
      if ((*form)[1]) result.push_back((*form)[1]);
    } else if ((c == kCombiningVoiced || c == kCombiningSemiVoiced) && !result.empty() &&
               IsHalfWidthKana(result.back())) {
      result.push_back(c == kCombiningVoiced ? kHalfWidthVoiced : kHalfWidthSemiVoiced);
    } else {
      result.push_back(c);
    }
  }
  text = std::move(result);
}

void KatakanaToFullWidth(std::u32string& text) {
  const icu::Normalizer2& nfc = Normalizer(NormalForm::Nfc);
  std::u32string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char32_t c = text[i];
    if (!InRange(c, kHalfWidthFirst, kHalfWidthSemiVoiced)) {
      result.push_back(c);
      continue;
    }
    const char32_t full = kHalfWidthKanaCounterparts[c - kHalfWidthFirst];
    if (IsHalfWidthKana(c) && i + 1 < text.size() &&
        (text[i + 1] == kHalfWidthVoiced || text[i + 1] == kHalfWidthSemiVoiced)) {
      const auto mark =
          static_cast<UChar32>(text[i + 1] == kHalfWidthVoiced ? kCombiningVoiced : kCombiningSemiVoiced);
      const UChar32 composed = nfc.composePair(static_cast<UChar32>(full), mark);
      if (composed >= 0) {
        result.push_back(static_cast<char32_t>(composed));
        ++i;
        continue;
      }
    }
    result.push_back(full);
  }
  text = std::move(result);
}

void ChangeKana(std::u32string& text, KanaChange change) {
  constexpr char32_t kKanaOffset = 0x30A1 - 0x3041;
  for (char32_t& c : text) {
    if (change == KanaChange::ToKatakana && (InRange(c, 0x3041, 0x3096) || InRange(c, 0x309D, 0x309E))) {
      c += kKanaOffset;
    } else if (change == KanaChange::ToHiragana &&
               (InRange(c, 0x30A1, 0x30F6) || InRange(c, 0x30FD, 0x30FE))) {
      c -= kKanaOffset;
    }
  }
}

void ChangeLetterCase(std::u32string& text, LetterCase letterCase) {
  for (char32_t& c : text) {
    const UChar32 mapped = letterCase == LetterCase::Lower ? u_tolower(static_cast<UChar32>(c))
                                                           : u_toupper(static_cast<UChar32>(c));
    c = static_cast<char32_t>(mapped);
  }
}

// The text in the normalization form, in UTF-8.
std::string Normalized(std::string utf8, NormalForm form) {
  if (form == NormalForm::Leave || IsAscii(utf8)) return utf8;
  const icu::Normalizer2& normalizer = Normalizer(form);
  UErrorCode status = U_ZERO_ERROR;
  if (normalizer.isNormalizedUTF8(utf8, status) && U_SUCCESS(status)) return utf8;
  std::string result;
  icu::StringByteSink<std::string> sink(&result, static_cast<int32_t>(utf8.size()));
  status = U_ZERO_ERROR;
  normalizer.normalizeUTF8(0, utf8, sink, nullptr, status);
  return U_SUCCESS(status) ? result : utf8;
}

bool IsForbiddenName(std::string_view name) {
  return name == "." || name == ".." ||
         name.find_first_of(std::string_view("/\0", 2)) != std::string_view::npos;
}

// A CP932 name in Unicode, and the bytes each of its characters had.
struct DecodedCp932 {
  std::u32string codePoints;
  absl::flat_hash_map<char32_t, std::string_view> bytesOf;
};

// False when some character is not valid CP932 (a lone lead byte, a lead byte with a
// trail byte it does not take).
bool DecodeCp932(std::string_view name, const CodePage& codePage, DecodedCp932& decoded) {
  // Each character of the code page becomes one code point, U+FFFD where it is not
  // valid; CP932 itself has no U+FFFD.
  if (!DecodeUtf8(codePage.ToUtf8(name), decoded.codePoints)) return false;
  std::size_t pos = 0;
  for (const char32_t c : decoded.codePoints) {
    if (c == 0xFFFD || pos >= name.size()) return false;
    const std::size_t length = codePage.CharLength(name, pos);
    decoded.bytesOf.try_emplace(c, name.substr(pos, length));
    pos += length;
  }
  return pos == name.size();
}

// The converted name in CP932; false when it holds a character CP932 cannot hold (the
// encoding would give another character back). A character the name had keeps the bytes
// it had: CP932 gives some characters two encodings.
bool EncodeCp932(const std::string& utf8, const std::u32string& wanted, const CodePage& codePage,
                 const DecodedCp932& original, std::string& encoded) {
  const std::string plain = codePage.FromUtf8(utf8);
  std::u32string back;
  if (!DecodeUtf8(codePage.ToUtf8(plain), back) || back != wanted) return false;
  std::size_t pos = 0;
  for (const char32_t c : wanted) {
    const std::size_t length = codePage.CharLength(plain, pos);
    const auto found = original.bytesOf.find(c);
    encoded += found != original.bytesOf.end() ? found->second : std::string_view(plain).substr(pos, length);
    pos += length;
  }
  return true;
}

}  // namespace

bool CharacterConversion::LeavesAll() const { return *this == CharacterConversion{}; }

ConvertedName ConvertCharacters(std::string_view name, const CharacterConversion& conversion,
                                const CodePage& codePage) {
  if (conversion.LeavesAll()) return {ConversionOutcome::Unchanged, std::string(name)};
  const bool cp932 = codePage.Kind() == CodePageKind::Cp932;
  DecodedCp932 original;
  if (cp932 ? !DecodeCp932(name, codePage, original) : !DecodeUtf8(name, original.codePoints)) {
    return {ConversionOutcome::InvalidName, {}};
  }

  std::u32string text = original.codePoints;
  for (char32_t& c : text) c = ChangeWidth(c, conversion);
  if (conversion.katakana == WidthChange::ToFull) KatakanaToFullWidth(text);
  if (conversion.kana != KanaChange::Leave) ChangeKana(text, conversion.kana);
  if (conversion.katakana == WidthChange::ToHalf) KatakanaToHalfWidth(text);
  if (conversion.letters != LetterCase::Leave) ChangeLetterCase(text, conversion.letters);

  std::string utf8;
  utf8.reserve(name.size() + 8);
  for (const char32_t c : text) AppendUtf8(utf8, c);
  utf8 = Normalized(std::move(utf8), conversion.normalize);

  if (IsForbiddenName(utf8)) return {ConversionOutcome::ForbiddenName, {}};
  if (!cp932) {
    if (utf8 == name) return {ConversionOutcome::Unchanged, std::string(name)};
    return {ConversionOutcome::Changed, std::move(utf8)};
  }
  std::u32string converted;
  if (DecodeUtf8(utf8, converted) && converted == original.codePoints) {
    return {ConversionOutcome::Unchanged, std::string(name)};
  }
  std::string encoded;
  if (!EncodeCp932(utf8, converted, codePage, original, encoded))
    return {ConversionOutcome::NotRepresentable, {}};
  return {ConversionOutcome::Changed, std::move(encoded)};
}

}  // namespace morvane::core
