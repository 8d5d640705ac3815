#pragma once

#include <string>

#include "core/fs/file_identity.h"

namespace morvane::core {

// One move a run means to make, as planned once its files are collected: the file at
// from (as the collection found it) gets the path to. An empty to: the run never moves
// it (the numbers run out first).
struct PlannedMove {
  std::string from;
  std::string to;
  FileIdentity identity;
};

}  // namespace morvane::core
