#include "platform/file_size_limit.h"

#include <signal.h>

namespace morvane::platform {

void FailWritesBeyondFileSizeLimit() { signal(SIGXFSZ, SIG_IGN); }

}  // namespace morvane::platform
