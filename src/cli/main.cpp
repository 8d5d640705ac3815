#include "cli/batch_app.h"
#include "platform/file_size_limit.h"

int main(int argc, char** argv) {
  morvane::platform::FailWritesBeyondFileSizeLimit();
  return morvane::cli::RunBatch(argc, argv);
}
