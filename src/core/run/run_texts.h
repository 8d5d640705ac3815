#pragma once

#include <string>

#include "core/text/code_page.h"

namespace morvane::core {

// The fixed texts every kind of run writes alike, converted to the code page once per
// run rather than once per file.
struct RunTexts {
  explicit RunTexts(const CodePage& codePage);

  std::string collectingCaption;
  std::string missing;      // a target that is not an existing file
  std::string pathTooLong;  // a target whose path the file system cannot use
  std::string missingPath;  // followed by the path
  std::string filteredBefore;
  std::string filteredAfter;
  std::string protectedExtension;
  std::string failed;
  std::string failedSource;
  std::string failedTarget;
  std::string failureCount;
  std::string countUnit;
};

}  // namespace morvane::core
