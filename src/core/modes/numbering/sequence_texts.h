#pragma once

#include <string>

#include "core/run/run_texts.h"

namespace morvane::core {

// The fixed texts of a sequential run's log, caption and messages besides the shared
// ones, converted to the code page once per run rather than once per file.
struct SequenceTexts : RunTexts {
  explicit SequenceTexts(const CodePage& codePage);

  std::string renamingCaption;
  std::string renamed;
  std::string aborted;
  std::string exceeded;
  std::string maximum;
  std::string completed;
  std::string renamedCount;
  std::string nothingDone;
};

}  // namespace morvane::core
