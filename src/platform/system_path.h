#pragma once

#include <string_view>

namespace morvane::platform {

// The part of path up to and including its last '/' byte, where the system splits it
// ("" when it has none). New names made next to an entry are appended to it.
inline std::string_view SystemFolderPrefix(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? std::string_view() : path.substr(0, slash + 1);
}

}  // namespace morvane::platform
