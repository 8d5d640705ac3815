#include "cli/version_flag.h"

#include <CLI/CLI.hpp>
#include <string>

#include "core/about/licence_notice.h"

namespace morvane::cli {

void AddVersionFlag(CLI::App& app) {
  app.set_version_flag(
      "--version", std::string("morvane-batch ") + MORVANE_VERSION + '\n' + std::string(core::kLicenceNotice),
      "Print the version and exit");
}

}  // namespace morvane::cli
