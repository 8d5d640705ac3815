#pragma once

#include <string_view>

namespace morvane::core {

// The lines both programs print after their version, as GNU programs do (no line end
// after the last).
inline constexpr std::string_view kLicenceNotice =
    "Copyright (C) 2026 The Morvane developers.\n"
    "License GPL-3.0-or-later: GNU GPL version 3 or later <https://www.gnu.org/licenses/gpl-3.0.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.";

}  // namespace morvane::core
