#pragma once

#include <string>

#include "core/text/code_page.h"

namespace morvane::core {

enum class UndoResult;

// The fixed texts of an undo's result lines and messages, in the code page.
struct UndoTexts {
  explicit UndoTexts(const CodePage& codePage);

  // The reason line for a change undo leaves (NameTaken is followed by the old name).
  std::string ReasonOf(UndoResult result) const;

  std::string header;
  std::string footer;
  std::string undoing;
  std::string renamedBack;
  std::string copyRemoved;
  std::string formerRestored;
  std::string copiedAgain;
  std::string notUndone;
  std::string nameTaken;
  std::string changed;
  std::string vanished;
  std::string notKept;
  std::string unsure;
  std::string failed;
  std::string outsideRun;
  std::string undoneCount;
  std::string leftCount;
  std::string countUnit;
};

}  // namespace morvane::core
