#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "core/run/operating_mode.h"

namespace morvane::core {

// The command line's word for a mode ("rename", "ext", "case", "replace", "add",
// "convert"; "map" for the listed names).
std::string_view ModeCommandName(OperatingMode mode);
// The mode whose command word this is, among the six the window has.
std::optional<OperatingMode> ModeOfCommandName(std::string_view word);

// How an option of a preset takes its value.
enum class PresetValueKind {
  Text,  // any bytes but CR and LF
  Flag,  // "true" or "false"
  Word,  // one of the option's words
};

// An option a preset of a mode may hold: the command line's long option, named without
// its dashes, so that a preset is the options a command would be given.
struct PresetOptionForm {
  std::string_view name;
  PresetValueKind kind = PresetValueKind::Text;
  std::vector<std::string_view> words;  // Word: the values allowed
};

// The options a preset of the mode may hold, in the order a preset file lists them. The
// window has fields for all but on-conflict, subfolders and resolve-chains, which only
// the command line uses.
const std::vector<PresetOptionForm>& PresetOptionsOf(OperatingMode mode);
const PresetOptionForm* FindPresetOption(OperatingMode mode, std::string_view name);

// The two options that say where the results go; giving one replaces the other.
inline constexpr std::string_view kInPlaceOption = "in-place";
inline constexpr std::string_view kOutputOption = "output";

}  // namespace morvane::core
