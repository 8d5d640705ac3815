#include "cli/batch_app.h"

#include <CLI/CLI.hpp>

namespace morvane::cli {

int RunBatch(int argc, char** argv) {
  CLI::App app{"morvane-batch: rename or copy many files at once"};
  app.require_subcommand(1);
  CLI11_PARSE(app, argc, argv);
  return 0;
}

}  // namespace morvane::cli
