#pragma once

#include <string>
#include <string_view>

namespace morvane::platform {

// A hidden name for a short-lived entry in path's folder: the folder part of path (up
// to its last slash), then ".morvane-", the stem and twelve random hex digits. Callers
// create it without replacing anything and draw again when it is taken.
std::string TemporaryNameNextTo(std::string_view path, std::string_view stem);

}  // namespace morvane::platform
