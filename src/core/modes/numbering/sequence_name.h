#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/names/path_rules.h"
#include "core/run/run_settings.h"
#include "core/text/code_page.h"

namespace morvane::core {

// The number as a run writes it: decimal, padded with leading zeros to width (never
// cut when longer).
std::string FormatRunningNumber(std::int64_t number, int width);

// The new full path of one file for a running number: folder + separator + front part +
// number + back part + extension. The extension is the source's own, or "." + the new
// extension text (none when that text is empty) when the extension is changed; the
// stem and the extension are case-converted as the settings say. The folder is the
// source's folder when renaming in place, else the output folder; one trailing
// separator is dropped from it, so "/out/" and "/out" give the same path.
std::string BuildNewPath(std::string_view sourcePath, std::int64_t number, int numberWidth,
                         const RunSettings& settings, PathSyntax syntax = PathSyntax::Posix,
                         const CodePage& codePage = ActiveCodePage());

// BuildNewPath with the front and back parts given (the settings' parts made into the
// file's own texts, when they hold tokens).
struct StemParts {
  std::string_view front;
  std::string_view back;
};
std::string BuildNewPath(std::string_view sourcePath, std::int64_t number, int numberWidth,
                         const RunSettings& settings, StemParts parts, PathSyntax syntax = PathSyntax::Posix,
                         const CodePage& codePage = ActiveCodePage());

}  // namespace morvane::core
