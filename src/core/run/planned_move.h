#pragma once

#include <string_view>

#include "core/fs/file_identity.h"

namespace morvane::core {

// One move a run means to make, as planned once its files are collected: the file at
// from (as the collection found it) gets the path to. An empty to: the run never moves
// it (the numbers run out first). Both paths point into the engine that planned the
// move, and stay valid until it collects again or goes.
struct PlannedMove {
  std::string_view from;
  std::string_view to;
  FileIdentity identity;
};

}  // namespace morvane::core
