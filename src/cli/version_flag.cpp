#include "cli/version_flag.h"

#include <CLI/CLI.hpp>
#include <string>

namespace morvane::cli {

void AddVersionFlag(CLI::App& app) {
  app.set_version_flag("--version", std::string("morvane-batch ") + MORVANE_VERSION,
                       "Print the version and exit");
}

}  // namespace morvane::cli
