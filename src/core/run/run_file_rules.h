#pragma once

#include <string>

#include "core/names/extension_filter.h"
#include "core/names/protected_extensions.h"

namespace morvane::core {

// Which files a run may touch, whatever its mode: those the file types filter admits
// and whose types are not protected.
struct RunFileRules {
  ExtensionFilter filter;
  std::string filterText;  // the file types text as typed, for the skip lines
  ProtectedExtensions protectedExtensions;
};

}  // namespace morvane::core
