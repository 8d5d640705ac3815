#pragma once

#include <optional>
#include <string>

#include "cli/batch_io.h"
#include "cli/cli11_forward.h"
#include "core/fs/file_system.h"

namespace morvane::cli {

struct UndoOptions {
  bool list = false;
  std::optional<std::string> run;  // the journal's id; the newest not yet undone without it
  bool dryRun = false;
  bool yes = false;
  bool log = false;
};

CLI::App* AddUndoCommand(CLI::App& app, UndoOptions& options);
int RunUndoCommand(const UndoOptions& options, const BatchIo& io, core::FileSystem& fileSystem);

}  // namespace morvane::cli
