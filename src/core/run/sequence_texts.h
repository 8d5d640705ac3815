#pragma once

#include <string>

#include "core/text/code_page.h"

namespace morvane::core {

// The fixed texts of a sequential run's log, caption and messages, converted to the code
// page once per run rather than once per file.
struct SequenceTexts {
  explicit SequenceTexts(const CodePage& codePage);

  std::string collectingCaption;
  std::string renamingCaption;
  std::string renamed;
  std::string failed;
  std::string failedSource;
  std::string failedTarget;
  std::string missing;
  std::string missingPath;
  std::string filteredBefore;
  std::string filteredAfter;
  std::string protectedExtension;
  std::string aborted;
  std::string exceeded;
  std::string maximum;
  std::string completed;
  std::string renamedCount;
  std::string nothingDone;
  std::string failureCount;
  std::string countUnit;
};

}  // namespace morvane::core
