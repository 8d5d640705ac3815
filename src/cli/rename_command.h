#pragma once

#include <optional>
#include <string>

#include "cli/batch_io.h"
#include "cli/cli11_forward.h"
#include "cli/common_options.h"
#include "core/fs/file_system.h"
#include "core/run/run_settings.h"

namespace morvane::cli {

// The options of `morvane-batch rename`, the sequential rename.
struct RenameOptions {
  CommonOptions common;
  std::string front;
  std::string start = "1";
  std::string back;
  std::string increment = "1";
  core::SortType order = core::SortType::Name;
  bool descending = false;
  std::optional<std::string> newExtension;
};

CLI::App* AddRenameCommand(CLI::App& app, RenameOptions& options);

// Validates like the window's Start button, then runs. Gives the exit status.
int RunRenameCommand(const RenameOptions& options, const BatchIo& io, core::FileSystem& fileSystem);

}  // namespace morvane::cli
