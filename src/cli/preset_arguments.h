#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/batch_io.h"
#include "cli/cli11_forward.h"
#include "cli/common_options.h"
#include "core/fs/file_system.h"
#include "core/presets/preset.h"
#include "core/presets/preset_folder.h"

namespace morvane::cli {

// The arguments with the options of the preset that --preset names put in after the
// command word, less every option given beside it (and less the preset's destination
// when one is given), so that what is given wins. The arguments as they are when the
// command is no mode command or names no preset; nothing after refusing (said on
// io.err).
std::optional<std::vector<std::string>> WithPresetApplied(const std::vector<std::string>& arguments,
                                                          core::PresetFolder& presets, const BatchIo& io);

// A command that saves a preset may be given no PATH: then it only saves.
void AllowSavingWithoutPaths(CLI::App& command, const std::vector<std::string>& arguments);

// --save-preset: saves the options the arguments give the mode's command (as applied).
// Gives the exit status when the command ends here (a refusal, or saving without PATH),
// nothing when the run goes on.
std::optional<int> SaveGivenPreset(core::OperatingMode mode, const CommonOptions& options,
                                   const std::vector<std::string>& arguments, core::PresetFolder& presets,
                                   const BatchIo& io);

// The preset a command's arguments give: each option of the mode's preset table found
// among them, with its value as the command line reads it ("--name=value", "--name
// value", a flag as "true" or "false"); a later one replaces an earlier one.
core::Preset GivenPreset(core::OperatingMode mode, const std::vector<std::string>& arguments);

// Why the preset cannot be used, for a message that begins with its name.
std::string PresetFaultText(const core::PresetFault& fault, const core::PresetFolder& presets,
                            std::string_view name);

}  // namespace morvane::cli
