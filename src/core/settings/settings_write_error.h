#pragma once

#include <stdexcept>
#include <string>

#include "core/text/code_page.h"

namespace morvane::core {

// A write to the settings file failed; nothing of that write reached the file.
class SettingsWriteError : public std::runtime_error {
 public:
  // path: the settings file's path bytes; detail: what failed, in English, for logs
  // (what() gives the path and the detail).
  SettingsWriteError(std::string path, const std::string& detail, const CodePage& codePage);

  const std::string& Path() const { return m_path; }

  // The message for the user, "%s に書き込めません" with the path's bytes for %s, in the
  // code page given at construction.
  std::string Message() const;

 private:
  std::string m_path;
  const CodePage* m_codePage;
};

}  // namespace morvane::core
