#pragma once

#include "cli/batch_io.h"
#include "cli/cli11_forward.h"
#include "core/presets/preset_folder.h"

namespace morvane::cli {

// `morvane-batch presets`: lists the saved presets.
CLI::App* AddPresetsCommand(CLI::App& app);
int RunPresetsCommand(const core::PresetFolder& presets, const BatchIo& io);

}  // namespace morvane::cli
