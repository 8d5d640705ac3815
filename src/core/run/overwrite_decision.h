#pragma once

#include "core/run/run_interaction.h"

namespace morvane::core {

// The answer for one conflict. "Overwrite all" and "auto" stick for the rest of the run,
// so the alert is asked only when neither is in force; remembered holds the run's last
// answer. Where overwriting is not offered (renaming in place, or the existing file is
// a source still waiting), "overwrite all" does not apply, an overwrite answer counts as
// skip, and skipping keeps "overwrite all" in force for the other conflicts.
OverwriteChoice DecideOverwrite(OverwriteChoice& remembered, RunInteraction& interaction,
                                const OverwriteQuestion& question);

}  // namespace morvane::core
