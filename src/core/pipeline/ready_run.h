#pragma once

#include <memory>
#include <string>

#include "core/fs/file_system.h"
#include "core/log/result_log.h"
#include "core/modes/renaming/mode_run.h"
#include "core/names/protected_extensions.h"
#include "core/run/operating_mode.h"
#include "core/run/run_engine.h"
#include "core/run/run_interaction.h"
#include "core/run/run_settings.h"
#include "core/text/code_page.h"

namespace morvane::core {

// A run that passed its start checks: the mode and the settings its engine needs.
struct ReadyRun {
  OperatingMode mode = OperatingMode::SequentialRename;
  std::string fileTypes;  // the type filter as typed
  RunSettings numbering;  // the numbering's settings (SequentialRename only)
  // The other modes' inputs, without the filter and the protected types, which
  // MakeRunEngine adds.
  ModeRunInputs others;
  // A run in place whose files may take the names of the run's own files that move
  // later, through temporary names (ChainSafeRun).
  bool resolveChains = false;

  bool RenamesInPlace() const {
    return mode == OperatingMode::SequentialRename ? numbering.renameInPlace
                                                   : core::RenamesInPlace(mode, others.renameInPlace);
  }
};

// The engine of the run's mode, over the settings' protected types; a ChainSafeRun
// around it when the run resolves chains.
std::unique_ptr<RunEngine> MakeRunEngine(ReadyRun run, const ProtectedExtensions& protectedExtensions,
                                         FileSystem& fileSystem, ResultLog& log, RunInteraction& interaction,
                                         const CodePage& codePage = ActiveCodePage());

}  // namespace morvane::core
