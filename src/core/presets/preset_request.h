#pragma once

#include "core/pipeline/start_checks.h"
#include "core/presets/preset.h"

namespace morvane::core {

// The preset of the request's mode with every field and option the window has for it,
// each written out (a flag that is off as "false"), so that the preset means the same
// whatever the defaults become. The targets are not part of it.
Preset PresetOfRequest(const StartRequest& request);

// The fields a preset sets, as a request of its mode: each field the preset holds as it
// says, every other one as the command line takes it when not given (start 1, name
// order, in place off, all file types, ...). The output folder is empty unless given;
// the targets stay empty.
StartRequest RequestOfPreset(const Preset& preset);

}  // namespace morvane::core
