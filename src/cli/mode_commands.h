#pragma once

#include <optional>
#include <string>

#include "cli/batch_io.h"
#include "cli/cli11_forward.h"
#include "cli/common_options.h"
#include "cli/conversion_options.h"
#include "core/fs/file_system.h"
#include "core/run/run_frame.h"

namespace morvane::cli {

// The options of `ext`, `case`, `replace`, `add` and `convert`: the extension change, the
// case conversion, the string replacement, the string addition and the character
// conversion.
struct ModeOptions {
  explicit ModeOptions(core::OperatingMode runMode) : mode(runMode) {}

  core::OperatingMode mode;
  CommonOptions common;
  std::optional<std::string> newExtension;   // ext: required; replace and add: replaces it
  std::string find;                          // replace: string A
  std::string replaceWith;                   // replace: string B
  bool ignoreCase = false;                   // replace: A matches either case
  bool regex = false;                        // replace: A is a regular expression
  std::string prefix;                        // add: string A
  std::string suffix;                        // add: string B
  std::optional<std::string> outputForCase;  // case: refused when given
  ConversionOptions conversion;              // convert: what it converts
};

CLI::App* AddModeCommand(CLI::App& app, ModeOptions& options);

// Validates and asks like the window's Start button in the mode, then runs. Gives the
// exit status.
int RunModeCommand(const ModeOptions& options, const BatchIo& io, core::FileSystem& fileSystem);

}  // namespace morvane::cli
