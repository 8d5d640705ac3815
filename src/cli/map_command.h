#pragma once

#include <string>

#include "cli/batch_io.h"
#include "cli/cli11_forward.h"
#include "cli/common_options.h"
#include "core/fs/file_system.h"

namespace morvane::cli {

// The options of `map`: the new names a list gives, in place or copied.
struct MapOptions {
  std::string listFile;  // "-" for standard input
  bool nulRecords = false;
  CommonOptions common;
};

CLI::App* AddMapCommand(CLI::App& app, MapOptions& options);

// Reads the list, refuses it with every faulty line's number before anything is touched,
// then runs like every mode. Gives the exit status.
int RunMapCommand(const MapOptions& options, const BatchIo& io, core::FileSystem& fileSystem);

}  // namespace morvane::cli
