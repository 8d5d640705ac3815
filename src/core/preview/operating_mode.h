#pragma once

namespace morvane::core {

// The five operating modes of the main window, in the order of the function menu; the
// status bar's first panel cycles through them in this order.
enum class OperatingMode { Rename, ChgExt, ULCase, ChangeStr, AddStr };

inline constexpr OperatingMode kAllModes[] = {OperatingMode::Rename, OperatingMode::ChgExt,
                                              OperatingMode::ULCase, OperatingMode::ChangeStr,
                                              OperatingMode::AddStr};

// The mode after mode in the cycle rename -> ... -> string addition -> rename.
constexpr OperatingMode NextMode(OperatingMode mode) {
  switch (mode) {
    case OperatingMode::Rename:
      return OperatingMode::ChgExt;
    case OperatingMode::ChgExt:
      return OperatingMode::ULCase;
    case OperatingMode::ULCase:
      return OperatingMode::ChangeStr;
    case OperatingMode::ChangeStr:
      return OperatingMode::AddStr;
    case OperatingMode::AddStr:
      break;
  }
  return OperatingMode::Rename;
}

// True for the modes that show a preview line and keep a preview history.
constexpr bool HasPreview(OperatingMode mode) {
  return mode == OperatingMode::Rename || mode == OperatingMode::ChangeStr || mode == OperatingMode::AddStr;
}

}  // namespace morvane::core
