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
Value ValueOf(int index, ComboValues<Value> values) {
  switch (index) {
    case 1:
      return values.first;
    case 2:
      return values.second;
    default:
      return Value::Leave;
  }
}

template <class Value>
int IndexOf(Value value, ComboValues<Value> values) {
  return value == values.first ? 1 : value == values.second ? 2 : 0;
}

constexpr ComboValues<WidthChange> kWidths{WidthChange::ToHalf, WidthChange::ToFull};
constexpr ComboValues<WidthChange> kKatakanaWidths{WidthChange::ToFull, WidthChange::ToHalf};
constexpr ComboValues<KanaChange> kKana{KanaChange::ToKatakana, KanaChange::ToHiragana};
constexpr ComboValues<NormalForm> kForms{NormalForm::Nfc, NormalForm::Nfd};
constexpr ComboValues<LetterCase> kCases{LetterCase::Lower, LetterCase::Upper};

constexpr keys::IntKey kChoiceKeys[] = {keys::kSettingConvAlnum,  keys::kSettingConvSymbols,
                                        keys::kSettingConvSpace,  keys::kSettingConvKatakana,
                                        keys::kSettingConvKana,   keys::kSettingConvNormalize,
                                        keys::kSettingConvLetters};

}  // namespace

CharacterConversion ConversionOfIndexes(const ConversionIndexes& indexes) {
  CharacterConversion c;
  c.alnum = ValueOf(indexes[0], kWidths);
  c.symbols = ValueOf(indexes[1], kWidths);
  c.space = ValueOf(indexes[2], kWidths);
  c.katakana = ValueOf(indexes[3], kKatakanaWidths);
  c.kana = ValueOf(indexes[4], kKana);
  c.normalize = ValueOf(indexes[5], kForms);
  c.letters = ValueOf(indexes[6], kCases);
  return c;
}

ConversionIndexes IndexesOfConversion(const CharacterConversion& c) {
  return {IndexOf(c.alnum, kWidths), IndexOf(c.symbols, kWidths),
          IndexOf(c.space, kWidths), IndexOf(c.katakana, kKatakanaWidths),
          IndexOf(c.kana, kKana),    IndexOf(c.normalize, kForms),
          IndexOf(c.letters, kCases)};
}

StoredConversion ReadConversionSettings(const IniDocument& document) {
  ConversionIndexes indexes{};
  for (std::size_t i = 0; i < indexes.size(); ++i) indexes[i] = document.Read(kChoiceKeys[i]);
  return {ConversionOfIndexes(indexes), document.Read(keys::kSettingConvExt)};
}

void WriteConversionSettings(IniDocument& document, const StoredConversion& stored) {
  const ConversionIndexes indexes = IndexesOfConversion(stored.conversion);
  for (std::size_t i = 0; i < indexes.size(); ++i) document.Write(kChoiceKeys[i], indexes[i]);
  document.Write(keys::kSettingConvExt, stored.extensionToo);
}

}  // namespace morvane::core
