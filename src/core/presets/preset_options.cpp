#include "core/presets/preset_options.h"

#include <array>

#include "core/presets/option_words.h"

namespace morvane::core {
namespace {

PresetOptionSpec Text(std::string_view name) { return {name, PresetValueKind::Text, {}, true}; }
PresetOptionSpec Flag(std::string_view name) { return {name, PresetValueKind::Flag, {}, true}; }
template <class Table>
PresetOptionSpec Word(std::string_view name, const Table& table) {
  return {name, PresetValueKind::Word, WordsOf(table), true};
}
PresetOptionSpec CommandLineOnly(PresetOptionSpec spec) {
  spec.windowHasIt = false;
  return spec;
}

std::vector<PresetOptionSpec> OwnOptionsOf(OperatingMode mode) {
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

std::vector<PresetOptionSpec> MakeOptionsOf(OperatingMode mode) {
  std::vector<PresetOptionSpec> options = OwnOptionsOf(mode);
  options.push_back(Flag(kInPlaceOption));
  if (!AlwaysRenamesInPlace(mode)) options.push_back(Text(kOutputOption));
  if (mode != OperatingMode::CharacterConversion) {
    options.push_back(Word("name-case", kCaseWords));
    options.push_back(Word("ext-case", kCaseWords));
  }
  options.push_back(Text("types"));
  options.push_back(CommandLineOnly(Flag("subfolders")));
  PresetOptionSpec conflict = CommandLineOnly(Word("on-conflict", kConflictWords));
  if (mode != OperatingMode::SequentialRename) std::erase(conflict.words, kNumberingOnlyConflictWord);
  options.push_back(std::move(conflict));
  options.push_back(CommandLineOnly(Flag("resolve-chains")));
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

const std::vector<PresetOptionSpec>& PresetOptionsOf(OperatingMode mode) {
  static const std::array<std::vector<PresetOptionSpec>, std::size(kAllModes)> tables = [] {
    std::array<std::vector<PresetOptionSpec>, std::size(kAllModes)> made;
    for (const OperatingMode each : kAllModes) made[static_cast<std::size_t>(each)] = MakeOptionsOf(each);
    return made;
  }();
  static const std::vector<PresetOptionSpec> none;
  const auto index = static_cast<std::size_t>(mode);
  return index < tables.size() ? tables[index] : none;
}

const PresetOptionSpec* FindPresetOption(OperatingMode mode, std::string_view name) {
  for (const PresetOptionSpec& spec : PresetOptionsOf(mode)) {
    if (spec.name == name) return &spec;
  }
  return nullptr;
}

}  // namespace morvane::core
