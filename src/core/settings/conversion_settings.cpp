#include "core/settings/conversion_settings.h"

#include "core/settings/settings_keys.h"

namespace morvane::core {
namespace {

// The values of a combo box's items after 変換しない, in their order.
template <class Value>
struct ComboValues {
  Value first;
  Value second;
};

template <class Value>
Value Read(const IniDocument& document, const keys::IntKey& key, ComboValues<Value> values) {
  switch (document.Read(key)) {
    case 1:
      return values.first;
    case 2:
      return values.second;
    default:
      return Value::Leave;
  }
}

template <class Value>
void Write(IniDocument& document, const keys::IntKey& key, ComboValues<Value> values, Value value) {
  document.Write(key, value == values.first ? 1 : value == values.second ? 2 : 0);
}

constexpr ComboValues<WidthChange> kWidths{WidthChange::ToHalf, WidthChange::ToFull};
constexpr ComboValues<WidthChange> kKatakanaWidths{WidthChange::ToFull, WidthChange::ToHalf};
constexpr ComboValues<KanaChange> kKana{KanaChange::ToKatakana, KanaChange::ToHiragana};
constexpr ComboValues<NormalForm> kForms{NormalForm::Nfc, NormalForm::Nfd};
constexpr ComboValues<LetterCase> kCases{LetterCase::Lower, LetterCase::Upper};

}  // namespace

StoredConversion ReadConversionSettings(const IniDocument& document) {
  StoredConversion stored;
  CharacterConversion& c = stored.conversion;
  c.alnum = Read(document, keys::kSettingConvAlnum, kWidths);
  c.symbols = Read(document, keys::kSettingConvSymbols, kWidths);
  c.space = Read(document, keys::kSettingConvSpace, kWidths);
  c.katakana = Read(document, keys::kSettingConvKatakana, kKatakanaWidths);
  c.kana = Read(document, keys::kSettingConvKana, kKana);
  c.normalize = Read(document, keys::kSettingConvNormalize, kForms);
  c.letters = Read(document, keys::kSettingConvLetters, kCases);
  stored.extensionToo = document.Read(keys::kSettingConvExt);
  return stored;
}

void WriteConversionSettings(IniDocument& document, const StoredConversion& stored) {
  const CharacterConversion& c = stored.conversion;
  Write(document, keys::kSettingConvAlnum, kWidths, c.alnum);
  Write(document, keys::kSettingConvSymbols, kWidths, c.symbols);
  Write(document, keys::kSettingConvSpace, kWidths, c.space);
  Write(document, keys::kSettingConvKatakana, kKatakanaWidths, c.katakana);
  Write(document, keys::kSettingConvKana, kKana, c.kana);
  Write(document, keys::kSettingConvNormalize, kForms, c.normalize);
  Write(document, keys::kSettingConvLetters, kCases, c.letters);
  document.Write(keys::kSettingConvExt, stored.extensionToo);
}

}  // namespace morvane::core
