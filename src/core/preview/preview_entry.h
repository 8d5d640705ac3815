#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/run/operating_mode.h"

namespace morvane::core {

// The settings of one run as a preview history entry remembers them. In the rename mode
// first/second/third are the front part, the start number and the back part; in the
// replacement and addition modes first and second are strings A and B and third is
// unused.
struct PreviewEntryFields {
  std::string preview;  // the preview line's text; the caption of the menu items
  std::string first;
  std::string second;
  std::string third;
  bool extensionOn = false;
  std::string newExtension;
  int nameCase = 0;
  int extensionCase = 0;
};

// The entry's text: the mode's fields joined by commas, with no quoting (the name
// fields refuse commas), the check box as "1" or "0", the indexes in decimal.
// Rename: preview,front,start,back,ext-on,new-ext,name-case,ext-case.
// Replacement and addition: preview,A,B,ext-on,new-ext,name-case,ext-case.
std::string ComposePreviewEntry(OperatingMode mode, const PreviewEntryFields& fields);

// The fields of an entry's text: every comma ends a field, even an empty one; the text
// after the last comma is a field only when it is not empty.
std::vector<std::string> SplitPreviewEntry(std::string_view entry);

// An entry read back for restoring into the window. Missing fields read as empty text
// or 0; the extension case, the entry's last field, is nothing when it is empty, since
// an empty last field is not applied.
struct RestoredPreviewEntry {
  PreviewEntryFields fields;
  bool hasExtensionCase = false;
};

// Nothing when a number field (the check box or a case index) is not a decimal
// integer, as in a settings file edited by hand.
std::optional<RestoredPreviewEntry> ParsePreviewEntry(OperatingMode mode, std::string_view entry);

}  // namespace morvane::core
