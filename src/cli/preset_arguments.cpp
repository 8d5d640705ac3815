#include "cli/preset_arguments.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <ostream>

#include "cli/choices.h"
#include "core/presets/preset_options.h"

namespace morvane::cli {
namespace {

constexpr std::string_view kPresetOption = "preset";
constexpr std::string_view kSavePresetOption = "save-preset";
constexpr std::size_t kFirstOption = 2;  // after the program and the command word

// The falsy words a flag's "=value" takes.
bool IsOffWord(std::string value) {
  std::transform(value.begin(), value.end(), value.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return value == "false" || value == "off" || value == "no" || value == "disable" || value == "0";
}

struct GivenOption {
  std::string name;
  std::string value;
};

// The long options among the arguments after the command word, with their values, up
// to a "--" that ends them.
std::vector<GivenOption> GivenOptions(core::OperatingMode mode, const std::vector<std::string>& arguments) {
  std::vector<GivenOption> given;
  for (std::size_t i = kFirstOption; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--") break;
    if (!argument.starts_with("--")) continue;
    const std::size_t equals = argument.find('=');
    GivenOption option{argument.substr(2, equals == std::string::npos ? std::string::npos : equals - 2), {}};
    const core::PresetOptionForm* form = core::FindPresetOption(mode, option.name);
    const bool takesValue = form != nullptr
                                ? form->kind != core::PresetValueKind::Flag
                                : option.name == kPresetOption || option.name == kSavePresetOption;
    if (equals != std::string::npos) option.value = argument.substr(equals + 1);
    // As the parser reads them: an empty "=value" takes the next argument.
    if (takesValue && option.value.empty() && i + 1 < arguments.size()) option.value = arguments[++i];
    if (!takesValue) option.value = equals != std::string::npos && IsOffWord(option.value) ? "false" : "true";
    given.push_back(std::move(option));
  }
  return given;
}

std::optional<std::string> ValueGiven(const std::vector<GivenOption>& given, std::string_view name) {
  std::optional<std::string> value;
  for (const GivenOption& option : given) {
    if (option.name == name) value = option.value;
  }
  return value;
}

std::string NameFaultText(core::PresetFolder::NameFault fault) {
  switch (fault) {
    case core::PresetFolder::NameFault::Empty:
      return "it is empty";
    case core::PresetFolder::NameFault::LeadingDot:
      return "it may not start with a dot";
    case core::PresetFolder::NameFault::Slash:
      return "it may not hold '/'";
    case core::PresetFolder::NameFault::Control:
      return "it may not hold a control character";
    case core::PresetFolder::NameFault::TooLong:
      return "it is too long for a file name";
  }
  return {};
}

}  // namespace

core::Preset GivenPreset(core::OperatingMode mode, const std::vector<std::string>& arguments) {
  core::Preset preset;
  preset.mode = mode;
  for (const GivenOption& option : GivenOptions(mode, arguments)) {
    if (core::FindPresetOption(mode, option.name) == nullptr) continue;
    // The parser refuses both destinations together, so the later one is the one given.
    if (option.name == core::kInPlaceOption) preset.Erase(core::kOutputOption);
    if (option.name == core::kOutputOption) preset.Erase(core::kInPlaceOption);
    preset.Set(option.name, option.value);
  }
  // In the order of the mode's options, whatever the order given.
  core::Preset ordered{mode, {}};
  for (const core::PresetOptionForm& form : core::PresetOptionsOf(mode)) {
    if (const std::string* value = preset.Find(form.name)) ordered.Set(form.name, *value);
  }
  return ordered;
}

std::string PresetFaultText(const core::PresetFault& fault, const core::PresetFolder& presets,
                            std::string_view name) {
  using Kind = core::PresetFault::Kind;
  const std::string file = presets.FileOf(name);
  switch (fault.kind) {
    case Kind::Missing:
      return "there is no such preset (morvane-batch presets lists them)";
    case Kind::Unreadable:
      return file + " cannot be read";
    case Kind::NoCommand:
      return file + " names no command (a line command=... under [Preset])";
    case Kind::UnknownCommand:
      return file + ": \"" + fault.value + "\" is not a command a preset can hold";
    case Kind::UnknownOption:
      return file + ": --" + fault.option + " is not an option a preset can hold here";
    case Kind::RepeatedOption:
      return file + " gives " + fault.option + " twice";
    case Kind::BadValue:
      return file + ": --" + fault.option + " cannot be \"" + fault.value + "\"; use " +
             ListWords(std::vector<std::string>(fault.allowed.begin(), fault.allowed.end()), "or");
    case Kind::BothDestinations:
      return file + " gives both --in-place and --output";
  }
  return {};
}

std::optional<std::vector<std::string>> WithPresetApplied(const std::vector<std::string>& arguments,
                                                          core::PresetFolder& presets, const BatchIo& io) {
  if (arguments.size() <= kFirstOption) return arguments;
  const std::optional<core::OperatingMode> mode = core::ModeOfCommandName(arguments[1]);
  if (!mode) return arguments;
  const std::vector<GivenOption> given = GivenOptions(*mode, arguments);
  const std::optional<std::string> name = ValueGiven(given, kPresetOption);
  if (!name) return arguments;
  const core::PresetReading reading = presets.Load(*name);
  if (!reading.preset) {
    io.err << "--preset: preset \"" << *name
           << "\" cannot be used: " << PresetFaultText(reading.fault, presets, *name) << '\n';
    return std::nullopt;
  }
  core::Preset preset = *reading.preset;
  if (preset.mode != *mode) {
    io.err << "--preset: preset \"" << *name << "\" is one of " << core::ModeCommandName(preset.mode)
           << ", not of " << arguments[1] << '\n';
    return std::nullopt;
  }
  for (const GivenOption& option : given) {
    preset.Erase(option.name);
    if (option.name == core::kInPlaceOption || option.name == core::kOutputOption) {
      preset.Erase(core::kInPlaceOption);
      preset.Erase(core::kOutputOption);
    }
  }
  std::vector<std::string> applied(arguments.begin(), arguments.begin() + kFirstOption);
  for (std::string& argument : core::PresetArguments(preset)) applied.push_back(std::move(argument));
  applied.insert(applied.end(), arguments.begin() + kFirstOption, arguments.end());
  return applied;
}

void AllowSavingWithoutPaths(CLI::App& command, const std::vector<std::string>& arguments) {
  const std::optional<core::OperatingMode> mode = core::ModeOfCommandName(command.get_name());
  if (!mode || !ValueGiven(GivenOptions(*mode, arguments), kSavePresetOption)) return;
  command.get_option("PATH")->required(false);
}

std::optional<int> SaveGivenPreset(core::OperatingMode mode, const CommonOptions& options,
                                   const std::vector<std::string>& arguments, core::PresetFolder& presets,
                                   const BatchIo& io) {
  if (!options.savePreset) {
    if (!options.paths.empty()) return std::nullopt;
    io.err << "PATH is required\nRun with --help for more information.\n";
    return kExitRefused;
  }
  const std::string& name = *options.savePreset;
  if (const auto fault = core::PresetFolder::FaultOfName(name)) {
    io.err << "--save-preset: \"" << name << "\" cannot name a preset: " << NameFaultText(*fault) << '\n';
    return kExitRefused;
  }
  const core::Preset preset = GivenPreset(mode, arguments);
  if (const std::optional<std::string> option = core::UnstorableOption(preset)) {
    io.err << "--save-preset: --" << *option << " holds a line break, which a preset cannot keep\n";
    return kExitRefused;
  }
  const bool replaces = presets.Has(name);
  if (const std::string failure = presets.Save(name, preset); !failure.empty()) {
    io.err << "--save-preset: the preset cannot be saved: " << failure << '\n';
    return kExitRefused;
  }
  io.err << (replaces ? "Replaced" : "Saved") << " preset \"" << name << "\" (" << presets.FileOf(name)
         << ")\n";
  if (options.paths.empty()) return kExitSuccess;
  return std::nullopt;
}

}  // namespace morvane::cli
