#pragma once

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <regex>
#include <set>
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
  // The names of the entries of a folder of the test's own.
  std::set<std::string> EntryNames(const std::string& folder) const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(P(folder)))
      names.insert(entry.path().filename().string());
    return names;
  }
  // Sets a file of the test's own as modified at noon, local time, on that day.
  void SetModified(std::string_view relative, int year, int month = 1, int day = 1) const {
    std::tm parts{};
    parts.tm_year = year - 1900;
    parts.tm_mon = month - 1;
    parts.tm_mday = day;
    parts.tm_hour = 12;
    parts.tm_isdst = -1;
    std::filesystem::last_write_time(P(relative),
                                     std::filesystem::file_time_type::clock::from_sys(
                                         std::chrono::system_clock::from_time_t(std::mktime(&parts))));
  }
  // A dry run's standard error less the line that says it changed nothing: what the run
  // itself says.
  static std::string WithoutDryRunNote(std::string err) {
    static constexpr std::string_view kNote = "Dry run: nothing was changed. The run would end so:\n";
    if (const std::size_t at = err.find(kNote); at != std::string::npos) err.erase(at, kNote.size());
    return err;
  }
  // The text with the run's time stamps ("26/12/08 16:25:44") as "TIME", so that two runs
  // a second apart compare equal.
  static std::string WithoutTimes(std::string text) {
    static const std::regex kTime(R"(\d\d/\d\d/\d\d \d\d:\d\d:\d\d)");
    return std::regex_replace(text, kTime, "TIME");
  }

  test::TempFolder m_folder;
  platform::PosixFileSystem m_fileSystem;
  std::ostringstream m_out;
  std::ostringstream m_err;
};

}  // namespace morvane::cli
