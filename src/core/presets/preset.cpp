#include "core/presets/preset.h"

#include <algorithm>

#include "core/presets/preset_options.h"
#include "core/settings/ini_document.h"

namespace morvane::core {
namespace {

constexpr std::string_view kSection = "Preset";
constexpr std::string_view kCommandKey = "command";
constexpr std::string_view kOn = "true";
constexpr std::string_view kOff = "false";

std::string Lower(std::string_view text) {
  std::string lowered(text);
  std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return lowered;
}

bool TakesValue(const PresetOptionForm& form, std::string_view value) {
  switch (form.kind) {
    case PresetValueKind::Text:
      return true;
    case PresetValueKind::Flag:
      return value == kOn || value == kOff;
    case PresetValueKind::Word:
      return std::find(form.words.begin(), form.words.end(), value) != form.words.end();
  }
  return false;
}

PresetReading Faulty(PresetFault::Kind kind, std::string option = {}, std::string value = {}) {
  return {std::nullopt, {kind, std::move(option), std::move(value), {}}};
}

}  // namespace

const std::string* Preset::Find(std::string_view name) const {
  for (const auto& [option, value] : options) {
    if (option == name) return &value;
  }
  return nullptr;
}

bool Preset::IsOn(std::string_view flag) const {
  const std::string* value = Find(flag);
  return value != nullptr && *value == kOn;
}

void Preset::Set(std::string_view name, std::string_view value) {
  for (auto& [option, held] : options) {
    if (option == name) {
      held = value;
      return;
    }
  }
  options.emplace_back(name, value);
}

void Preset::Erase(std::string_view name) {
  std::erase_if(options, [name](const auto& option) { return option.first == name; });
}

PresetReading ReadPreset(std::string_view bytes, const CodePage& codePage) {
  const IniDocument document = IniDocument::Parse(bytes, codePage);
  Preset preset;
  bool commandSeen = false;
  for (const auto& [key, value] : document.KeyLines(kSection)) {
    const std::string name = Lower(key);
    if (name == kCommandKey) {
      if (commandSeen) return Faulty(PresetFault::Kind::RepeatedOption, name);
      const std::optional<OperatingMode> mode = ModeOfCommandName(value);
      if (!mode) return Faulty(PresetFault::Kind::UnknownCommand, {}, value);
      preset.mode = *mode;
      commandSeen = true;
    }
  }
  if (!commandSeen) return Faulty(PresetFault::Kind::NoCommand);
  for (const auto& [key, value] : document.KeyLines(kSection)) {
    const std::string name = Lower(key);
    if (name == kCommandKey) continue;
    const PresetOptionForm* form = FindPresetOption(preset.mode, name);
    if (form == nullptr) return Faulty(PresetFault::Kind::UnknownOption, name);
    if (preset.Find(name) != nullptr) return Faulty(PresetFault::Kind::RepeatedOption, name);
    if (!TakesValue(*form, value)) {
      PresetReading faulty = Faulty(PresetFault::Kind::BadValue, name, value);
      faulty.fault.allowed =
          form->kind == PresetValueKind::Flag ? std::vector<std::string_view>{kOn, kOff} : form->words;
      return faulty;
    }
    preset.options.emplace_back(name, value);
  }
  if (preset.IsOn(kInPlaceOption) && preset.Find(kOutputOption) != nullptr) {
    return Faulty(PresetFault::Kind::BothDestinations);
  }
  return {std::move(preset), {}};
}

std::string PresetFileBytes(const Preset& preset, const CodePage& codePage) {
  IniDocument document(codePage);
  document.Set(kSection, kCommandKey, ModeCommandName(preset.mode));
  for (const auto& [name, value] : preset.options) document.Set(kSection, name, value);
  return document.Serialize();
}

std::optional<std::string> UnstorableOption(const Preset& preset) {
  for (const auto& [name, value] : preset.options) {
    if (value.find_first_of("\r\n") != std::string::npos) return name;
  }
  return std::nullopt;
}

std::vector<std::string> PresetArguments(const Preset& preset) {
  std::vector<std::string> arguments;
  for (const auto& [name, value] : preset.options) {
    const PresetOptionForm* form = FindPresetOption(preset.mode, name);
    if (form != nullptr && form->kind == PresetValueKind::Flag) {
      if (value == kOn) arguments.push_back("--" + name);
      continue;
    }
    // An empty value after '=' would take the next argument for it.
    if (value.empty()) {
      arguments.push_back("--" + name);
      arguments.emplace_back();
    } else {
      std::string argument = "--";
      argument += name;
      argument += '=';
      argument += value;
      arguments.push_back(std::move(argument));
    }
  }
  return arguments;
}

}  // namespace morvane::core
