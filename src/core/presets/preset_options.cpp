#include "core/presets/preset_options.h"

#include <array>

#include "core/presets/option_words.h"

namespace morvane::core {
namespace {

PresetOptionForm Text(std::string_view name) { return {name, PresetValueKind::Text, {}}; }
PresetOptionForm Flag(std::string_view name) { return {name, PresetValueKind::Flag, {}}; }
template <class Table>
PresetOptionForm Word(std::string_view name, const Table& table) {
  return {name, PresetValueKind::Word, WordsOf(table)};
}

std::vector<PresetOptionForm> OwnOptionsOf(OperatingMode mode) {
  switch (mode) {
    case OperatingMode::SequentialRename:
      return {Text("front"),      Text("start"),  Text("back"), Text("increment"), Word("order", kOrderWords),
              Flag("descending"), Text("new-ext")};
    case OperatingMode::ExtensionChange:
      return {Text("new-ext")};
    case OperatingMode::StringReplacement:
      return {Text("find"), Text("replace-with"), Flag("ignore-case"), Flag("regex"), Text("new-ext")};
    case OperatingMode::StringAddition:
      return {Text("prefix"), Text("suffix"), Text("new-ext")};
    case OperatingMode::CharacterConversion:
      return {Word("alnum", kWidthWords),    Word("symbols", kWidthWords),
              Word("space", kWidthWords),    Word("katakana", kWidthWords),
              Word("kana", kKanaWords),      Word("normalize", kNormalFormWords),
              Word("letters", kLetterWords), Flag("ext-too")};
    case OperatingMode::CaseConversion:
    case OperatingMode::ListedNames:
      break;
  }
  return {};
}

std::vector<PresetOptionForm> MakeOptionsOf(OperatingMode mode) {
  std::vector<PresetOptionForm> options = OwnOptionsOf(mode);
  options.push_back(Flag(kInPlaceOption));
  if (!AlwaysRenamesInPlace(mode)) options.push_back(Text(kOutputOption));
  if (mode != OperatingMode::CharacterConversion) {
    options.push_back(Word("name-case", kCaseWords));
    options.push_back(Word("ext-case", kCaseWords));
  }
  options.push_back(Text("types"));
  options.push_back(Flag("subfolders"));
  PresetOptionForm conflict = Word("on-conflict", kConflictWords);
  if (mode != OperatingMode::SequentialRename) std::erase(conflict.words, kNumberingOnlyConflictWord);
  options.push_back(std::move(conflict));
  options.push_back(Flag("resolve-chains"));
  return options;
}

}  // namespace

std::string_view ModeCommandName(OperatingMode mode) {
  switch (mode) {
    case OperatingMode::SequentialRename:
      return "rename";
    case OperatingMode::ExtensionChange:
      return "ext";
    case OperatingMode::CaseConversion:
      return "case";
    case OperatingMode::StringReplacement:
      return "replace";
    case OperatingMode::StringAddition:
      return "add";
    case OperatingMode::CharacterConversion:
      return "convert";
    case OperatingMode::ListedNames:
      break;
  }
  return "map";
}

std::optional<OperatingMode> ModeOfCommandName(std::string_view word) {
  for (const OperatingMode mode : kAllModes) {
    if (ModeCommandName(mode) == word) return mode;
  }
  return std::nullopt;
}

const std::vector<PresetOptionForm>& PresetOptionsOf(OperatingMode mode) {
  static const std::array<std::vector<PresetOptionForm>, std::size(kAllModes)> tables = [] {
    std::array<std::vector<PresetOptionForm>, std::size(kAllModes)> made;
    for (const OperatingMode each : kAllModes) made[static_cast<std::size_t>(each)] = MakeOptionsOf(each);
    return made;
  }();
  static const std::vector<PresetOptionForm> none;
  const auto index = static_cast<std::size_t>(mode);
  return index < tables.size() ? tables[index] : none;
}

const PresetOptionForm* FindPresetOption(OperatingMode mode, std::string_view name) {
  for (const PresetOptionForm& form : PresetOptionsOf(mode)) {
    if (form.name == name) return &form;
  }
  return nullptr;
}

}  // namespace morvane::core
