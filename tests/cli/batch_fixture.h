#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/batch_app.h"
#include "platform/posix_file_system.h"
#include "support/temp_folder.h"

namespace morvane::cli {

// Runs morvane-batch in-process with the temporary folder as program folder.
class BatchAppTest : public ::testing::Test {
 protected:
  int Batch(std::vector<std::string> arguments, const std::string& input = "", bool interactive = false) {
    arguments.insert(arguments.begin(), "morvane-batch");
    m_out.str("");
    m_err.str("");
    std::istringstream in(input);
    const BatchIo io{m_out, m_err, in, interactive};
    return RunBatch(arguments, io, m_fileSystem);
  }
  std::string P(std::string_view relative) const { return m_folder.Path(relative); }

  test::TempFolder m_folder;
  platform::PosixFileSystem m_fileSystem;
  std::ostringstream m_out;
  std::ostringstream m_err;
};

}  // namespace morvane::cli
