#pragma once

#include <string>
#include <string_view>

#include "core/text/code_page.h"

namespace morvane::core {

// A change of width between the ASCII (or half-width katakana) forms and the full-width
// ones.
enum class WidthChange { Leave, ToHalf, ToFull };
enum class KanaChange { Leave, ToKatakana, ToHiragana };
enum class NormalForm { Leave, Nfc, Nfd };
enum class LetterCase { Leave, Lower, Upper };

// What a character conversion changes in a name; every field leaves its characters as
// they are by default.
//
// - alnum: A-Z, a-z and 0-9 <-> U+FF21-FF3A, U+FF41-FF5A and U+FF10-FF19.
// - symbols: the other printable ASCII characters U+0021-007E <-> U+FF01-FF5E.
// - space: U+0020 <-> U+3000.
// - katakana: to half-width, katakana, the prolonged sound mark, the voiced sound marks
//   (the spacing ones, and the combining ones right after a kana that is or becomes
//   half-width) and 。「」、・ take their half-width forms, a voiced kana becoming two
//   characters (ガ -> ｶﾞ, ヴ -> ｳﾞ); a character without a half-width form (ヰ, ヵ, ヶ)
//   stays. To full-width, the reverse: a half-width kana followed by ﾞ or ﾟ becomes one
//   character where Unicode composes one (ｳﾞ -> ヴ), else the mark becomes ゛ or ゜.
// - kana: hiragana U+3041-3096 and ゝゞ <-> katakana U+30A1-30F6 and ヽヾ; other
//   characters stay.
// - normalize: the Unicode normalization form NFC or NFD of the whole name.
// - letters: the simple (one to one) lower or upper case of every cased letter,
//   full-width and accented ones included; ß stays ß.
//
// Compatibility characters (①, ㍍, ㈱, and ～ unless symbols asks for it) are never
// changed: no compatibility normalization is ever applied.
//
// The changes are made in one pass, in this order: the widths of letters and digits,
// symbols and spaces; half-width katakana to full-width; hiragana and katakana; full-width
// katakana to half-width; letter case; normalization. So hiragana become half-width
// katakana when both are asked for (が -> ｶﾞ), half-width katakana become hiragana
// (ｶﾞ -> が), and the normalization form asked for is that of the final name.
struct CharacterConversion {
  WidthChange alnum = WidthChange::Leave;
  WidthChange symbols = WidthChange::Leave;
  WidthChange space = WidthChange::Leave;
  WidthChange katakana = WidthChange::Leave;
  KanaChange kana = KanaChange::Leave;
  NormalForm normalize = NormalForm::Leave;
  LetterCase letters = LetterCase::Leave;

  // True when every field leaves its characters.
  bool LeavesAll() const;
  bool operator==(const CharacterConversion&) const = default;
};

enum class ConversionOutcome {
  Changed,
  Unchanged,         // the converted name is byte-equal to the name
  InvalidName,       // the name is not valid text in the code page
  NotRepresentable,  // the converted name holds a character the code page cannot hold
  ForbiddenName,     // the converted name would hold '/' or NUL, or be "." or ".."
};

struct ConvertedName {
  ConversionOutcome outcome = ConversionOutcome::Unchanged;
  // The new name when Changed, the name itself when Unchanged, empty otherwise.
  std::string name;
};

// The file name (without its folder) converted as conversion asks. The name is decoded
// from the code page to Unicode and the result encoded back; in CP932 a character that
// is not converted keeps its exact bytes, even where Unicode gives it two encodings.
// A conversion that leaves everything leaves every name Unchanged, valid text or not.
ConvertedName ConvertCharacters(std::string_view name, const CharacterConversion& conversion,
                                const CodePage& codePage = ActiveCodePage());

}  // namespace morvane::core
