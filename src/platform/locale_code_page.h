#pragma once

#include "core/text/code_page.h"

namespace morvane::platform {

// The code page of the user's locale (LC_CTYPE from the environment), as the program
// uses it for names, settings and logs: CP932 for a Shift-JIS locale, else UTF-8.
// It sets the process's LC_CTYPE: the programs call it while they start, before any
// thread of their own runs.
const core::CodePage& LocaleCodePage();

}  // namespace morvane::platform
