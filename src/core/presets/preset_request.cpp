#include "core/presets/preset_request.h"

#include <string>

#include "core/names/extension_filter.h"
#include "core/presets/option_words.h"
#include "core/presets/preset_options.h"

namespace morvane::core {
namespace {

std::string FlagText(bool on) { return on ? "true" : "false"; }

template <class Table, class Value>
void SetWord(Preset& preset, std::string_view name, const Table& table, Value value) {
  const std::string_view word = WordOfValue(table, value);
  if (!word.empty()) preset.Set(name, word);
}

template <class Table, class Value>
void ReadWord(const Preset& preset, std::string_view name, const Table& table, Value& value) {
  if (const std::string* word = preset.Find(name)) {
    if (const auto found = ValueOfWord(table, *word)) value = *found;
  }
}

void ReadText(const Preset& preset, std::string_view name, std::string& text) {
  if (const std::string* value = preset.Find(name)) text = *value;
}

void SetConversion(Preset& preset, const StartRequest& request) {
  const CharacterConversion& c = request.conversion;
  SetWord(preset, "alnum", kWidthWords, c.alnum);
  SetWord(preset, "symbols", kWidthWords, c.symbols);
  SetWord(preset, "space", kWidthWords, c.space);
  SetWord(preset, "katakana", kWidthWords, c.katakana);
  SetWord(preset, "kana", kKanaWords, c.kana);
  SetWord(preset, "normalize", kNormalFormWords, c.normalize);
  SetWord(preset, "letters", kLetterWords, c.letters);
  preset.Set("ext-too", FlagText(request.convertExtension));
}

void ReadConversion(const Preset& preset, StartRequest& request) {
  CharacterConversion& c = request.conversion;
  ReadWord(preset, "alnum", kWidthWords, c.alnum);
  ReadWord(preset, "symbols", kWidthWords, c.symbols);
  ReadWord(preset, "space", kWidthWords, c.space);
  ReadWord(preset, "katakana", kWidthWords, c.katakana);
  ReadWord(preset, "kana", kKanaWords, c.kana);
  ReadWord(preset, "normalize", kNormalFormWords, c.normalize);
  ReadWord(preset, "letters", kLetterWords, c.letters);
  request.convertExtension = preset.IsOn("ext-too");
}

bool ChangesExtensionOnlyWhenAsked(OperatingMode mode) {
  return mode == OperatingMode::SequentialRename || mode == OperatingMode::StringReplacement ||
         mode == OperatingMode::StringAddition;
}

}  // namespace

Preset PresetOfRequest(const StartRequest& request) {
  Preset preset;
  preset.mode = request.mode;
  switch (request.mode) {
    case OperatingMode::SequentialRename:
      preset.Set("front", request.frontPart);
      preset.Set("start", request.startNumber);
      preset.Set("back", request.backPart);
      preset.Set("increment", request.increment);
      SetWord(preset, "order", kOrderWords, static_cast<SortType>(request.sortType));
      preset.Set("descending", FlagText(request.descending));
      break;
    case OperatingMode::StringReplacement:
      preset.Set("find", request.stringA);
      preset.Set("replace-with", request.stringB);
      preset.Set("ignore-case", FlagText(!request.caseSensitive));
      preset.Set("regex", FlagText(request.regex));
      break;
    case OperatingMode::StringAddition:
      preset.Set("prefix", request.stringA);
      preset.Set("suffix", request.stringB);
      break;
    case OperatingMode::CharacterConversion:
      SetConversion(preset, request);
      break;
    case OperatingMode::ExtensionChange:
    case OperatingMode::CaseConversion:
    case OperatingMode::ListedNames:
      break;
  }
  const bool newExtension = request.mode == OperatingMode::ExtensionChange ||
                            (ChangesExtensionOnlyWhenAsked(request.mode) && request.changeExtension);
  if (newExtension) preset.Set("new-ext", request.newExtension);
  if (!AlwaysRenamesInPlace(request.mode)) {
    if (request.renameInPlace) {
      preset.Set(kInPlaceOption, FlagText(true));
    } else {
      preset.Set(kOutputOption, request.outputFolder);
    }
  }
  if (FindPresetOption(request.mode, "name-case") != nullptr) {
    SetWord(preset, "name-case", kCaseWords, request.nameCase);
    SetWord(preset, "ext-case", kCaseWords, request.extensionCase);
  }
  if (!request.fileTypes.empty() && request.fileTypes != AllFilesText())
    preset.Set("types", request.fileTypes);
  return preset;
}

StartRequest RequestOfPreset(const Preset& preset) {
  StartRequest request;
  request.mode = preset.mode;
  request.startNumber = "1";
  request.increment = "1";
  ReadText(preset, "front", request.frontPart);
  ReadText(preset, "start", request.startNumber);
  ReadText(preset, "back", request.backPart);
  ReadText(preset, "increment", request.increment);
  SortType order = SortType::Name;
  ReadWord(preset, "order", kOrderWords, order);
  request.sortType = static_cast<int>(order);
  request.descending = preset.IsOn("descending");
  request.changeExtension = preset.Find("new-ext") != nullptr;
  ReadText(preset, "new-ext", request.newExtension);
  const bool replacement = preset.mode == OperatingMode::StringReplacement;
  ReadText(preset, replacement ? "find" : "prefix", request.stringA);
  ReadText(preset, replacement ? "replace-with" : "suffix", request.stringB);
  request.caseSensitive = !preset.IsOn("ignore-case");
  request.regex = preset.IsOn("regex");
  ReadConversion(preset, request);
  ReadWord(preset, "name-case", kCaseWords, request.nameCase);
  ReadWord(preset, "ext-case", kCaseWords, request.extensionCase);
  request.renameInPlace = preset.IsOn(kInPlaceOption);
  ReadText(preset, kOutputOption, request.outputFolder);
  request.fileTypes = AllFilesText();
  ReadText(preset, "types", request.fileTypes);
  return request;
}

}  // namespace morvane::core
