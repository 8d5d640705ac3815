#pragma once

namespace morvane::gui {

// The main window's current options, loaded at start-up and kept current by the option
// handlers; a run copies them into its run settings.
struct MainOptions {
  int sortType = 0;  // index of the numbering order (4: user order, 5: natural; -1: none)
  bool sortDescending = false;
  int increment = 1;
  int nameCase = 0;       // index of the name case combo
  int extensionCase = 0;  // index of the extension case combo
  bool renameInPlace = false;
};

}  // namespace morvane::gui
