#pragma once

#include <optional>
#include <string>

#include "cli/batch_io.h"
#include "cli/common_options.h"
#include "core/fs/file_system.h"
#include "core/pipeline/start_checks.h"

namespace morvane::cli {

// A subcommand's run: the window's start checks over the request (its questions asked
// on the terminal or answered by --yes; the command itself is the go-ahead), then the
// run, or with --dry-run its plan, through the same engines and driver as the window.
// Gives the exit status.
// The request of a subcommand of the mode, with what every mode takes from the options
// they share (the cases, in place or the output folder, the types and the paths) and
// the new extension when one is given; the caller adds the mode's own fields.
core::StartRequest RequestOf(core::OperatingMode mode, const CommonOptions& options,
                             const std::optional<std::string>& newExtension);

// Checks the request as the window's Start button does and runs it (or plans it), with
// the folders below each folder argument added first when the options ask for them.
int CheckAndRun(const core::StartRequest& given, const CommonOptions& options, const BatchIo& io,
                core::FileSystem& realFileSystem);

}  // namespace morvane::cli
