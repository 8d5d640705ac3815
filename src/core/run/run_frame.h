#pragma once

#include <string>

#include "core/log/result_log.h"
#include "core/run/operating_mode.h"
#include "core/text/code_page.h"
#include "core/time/local_time.h"

namespace morvane::core {

// The mode's header title with the time: the first line of the run's lines.
std::string RunHeaderLine(OperatingMode mode, const LocalDateTime& now,
                          const CodePage& codePage = ActiveCodePage());

// Starts the run's lines: the mode's header title with the time, then an empty line.
void WriteRunHeader(ResultLog& log, OperatingMode mode, const LocalDateTime& now,
                    const CodePage& codePage = ActiveCodePage());

// Ends the run's lines: the mode's footer title with the time, an empty line, a line of
// 39 hyphens and an empty line.
void WriteRunFooter(ResultLog& log, OperatingMode mode, const LocalDateTime& now,
                    const CodePage& codePage = ActiveCodePage());

}  // namespace morvane::core
