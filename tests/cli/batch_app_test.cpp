#include "cli/batch_app.h"

#include <gtest/gtest.h>

namespace morvane::cli {
namespace {

TEST(BatchApp, HelpSucceeds) {
  char program[] = "morvane-batch";
  char help[] = "--help";
  char* argv[] = {program, help};
  EXPECT_EQ(RunBatch(2, argv), 0);
}

}  // namespace
}  // namespace morvane::cli
