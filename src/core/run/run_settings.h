#pragma once

#include <string>

namespace morvane::core {

// The numbering orders of a sequential run, as the order field lists them. Natural is
// the name order with numbers compared by value (natural_order.h).
enum class SortType {
  Name = 0,
  Extension = 1,
  Size = 2,
  ModifiedDate = 3,
  UserOrder = 4,
  Natural = 5,
  Taken = 6
};

// A snapshot of the rename fields taken when a sequential run starts.
struct RunSettings {
  std::string frontPart;         // used exactly as typed; empty means none
  std::string startText;         // 1 to 8 digits
  std::string backPart;          // used exactly as typed; empty means none
  std::string outputFolder;      // the copy destination, trimmed
  std::string newExtensionText;  // without its dot; used only when changeExtension is set
  SortType sortType = SortType::Name;
  int increment = 1;
  int nameCase = 0;       // 0 unchanged, 1 upper, 2 lower; the whole stem
  int extensionCase = 0;  // the same for the extension, dot included
  bool descending = false;
  bool renameInPlace = false;
  bool changeExtension = false;
};

}  // namespace morvane::core
