#pragma once

#include <string>

#include "core/run/run_frame.h"
#include "core/run/run_texts.h"
#include "core/text/code_page.h"

namespace morvane::core {

// The fixed texts of an extension change, case conversion, string replacement, string
// addition or character conversion run besides the shared ones, converted to the code page once per run.
struct ModeTexts : RunTexts {
  ModeTexts(OperatingMode mode, const CodePage& codePage);

  std::string failedSourceSpaced;  // with an ideographic space before the colon

  // The mode's own.
  std::string workingCaption;
  std::string captionArrow;  // between the old and the new name in the caption
  std::string done;          // before the source path of a success
  std::string arrow;         // the indented line after it
  std::string aborted;       // empty: the abort leaves no line
  std::string finished;
  std::string countSuffix;
  std::string nothingDone;
  // The end message starts with the finished line (replacement, addition and character
  // conversion) or with
  // the summary line alone (extension change and case conversion).
  bool endMessageHasFinishedLine = false;

  // Extension change only.
  std::string missingAtTurn;  // a file gone by its turn, followed by the path alone
  std::string sameFolder;     // renaming in place onto another file
  std::string toNoExtension;  // the summary's end for removed extensions
  std::string toExtension;    // the summary's end after the new extension
  // String replacement only.
  std::string stringANotFound;
  // Character conversion only: followed by the path.
  std::string nothingToConvert;
  // Character conversion and string replacement: each followed by the path.
  std::string unconvertible;
  std::string matchLimit;
};

}  // namespace morvane::core
