#pragma once

#include <optional>
#include <string>

#include "core/conversion/character_conversion.h"
#include "core/run/operating_mode.h"
#include "core/text/code_page.h"

namespace morvane::core {

// The field values the preview line is computed from, as they stand in the window.
struct PreviewInputs {
  std::string front;        // rename: the common front part
  std::string startNumber;  // rename: the start number, as typed
  std::string back;         // rename: the common back part
  std::string stringA;      // replacement and addition: string A of the mode
  std::string stringB;      // replacement and addition: string B of the mode
  bool regex = false;       // replacement: A is a regular expression
  int nameCase = 0;         // index of the name case combo (-1: no selection)
  bool extensionOn = false;
  std::string newExtension;
  int extensionCase = 0;  // index of the extension case combo
  // character conversion: its choices, and whether the extension is converted too
  CharacterConversion conversion;
  bool convertExtension = false;
};

// The first new name as the preview line shows it, or nothing in the modes without a
// preview (the line then keeps its text). The parts the preview cannot know are shown
// as "???": the rest of each file name around A and B, or the file's own name; a
// regular expression shows as /A/ -> B, its matches being unknown too; the tokens of
// a name part show as typed. The
// character conversion shows an example name and what it becomes.
std::optional<std::string> ComposePreview(OperatingMode mode, const PreviewInputs& inputs,
                                          const CodePage& codePage = ActiveCodePage());

// One click on the preview line, or on the synchronisation button beside the case
// options: where the two case options go.
struct CaseCycleStep {
  int nameCase;
  int extensionCase;
  bool nameCaseChanged;  // the name case moved too (its change handler must run)
};

// The first click brings the extension case in line with the name case; each further
// click moves both together through keep -> upper -> lower -> keep. Nothing when the
// name case has no selection.
std::optional<CaseCycleStep> CyclePreviewCase(int nameCase, int extensionCase);

}  // namespace morvane::core
