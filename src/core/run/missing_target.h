#pragma once

#include <string_view>

#include "core/fs/file_system.h"
#include "core/log/result_log.h"
#include "core/run/run_interaction.h"
#include "core/run/run_texts.h"
#include "core/text/code_page.h"

namespace morvane::core {

// Writes the result lines for a target that is not an existing file and returns why the
// run leaves it: Missing, or PathTooLong when the file system cannot use the path at all
// (a name in it longer than it allows), which is told apart so that nobody looks for a
// file that may well be there.
LeftReason LogMissingTarget(ResultLog& log, const RunTexts& texts, const FileSystem& fileSystem,
                            std::string_view path, const CodePage& codePage);

}  // namespace morvane::core
