#pragma once

namespace morvane::platform {

// Makes a write beyond the file size limit (ulimit -f, RLIMIT_FSIZE) fail with EFBIG
// instead of killing the program with SIGXFSZ. The failure then takes the normal error
// paths: a copy removes its temporary file and is logged as failed, a result file that
// cannot grow ends the run with its report. Call once at start-up, before any run.
// Programs started later inherit the ignored signal, as with nohup.
void FailWritesBeyondFileSizeLimit();

}  // namespace morvane::platform
