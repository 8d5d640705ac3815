#pragma once

namespace morvane::core {

// The six modes, in the order of the window's 機能 menu; the status bar's first panel
// cycles through them in this order, and each run heads and ends its lines with its
// mode's own titles. ListedNames, the new names a list gives (morvane-batch map), is
// the command line's alone and stands outside the cycle.
enum class OperatingMode {
  SequentialRename,
  ExtensionChange,
  CaseConversion,
  StringReplacement,
  StringAddition,
  CharacterConversion,
  ListedNames
};

inline constexpr OperatingMode kAllModes[] = {
    OperatingMode::SequentialRename,  OperatingMode::ExtensionChange, OperatingMode::CaseConversion,
    OperatingMode::StringReplacement, OperatingMode::StringAddition,  OperatingMode::CharacterConversion};

// The mode after mode in the cycle numbering -> ... -> character conversion -> numbering.
constexpr OperatingMode NextMode(OperatingMode mode) {
  switch (mode) {
    case OperatingMode::SequentialRename:
      return OperatingMode::ExtensionChange;
    case OperatingMode::ExtensionChange:
      return OperatingMode::CaseConversion;
    case OperatingMode::CaseConversion:
      return OperatingMode::StringReplacement;
    case OperatingMode::StringReplacement:
      return OperatingMode::StringAddition;
    case OperatingMode::StringAddition:
      return OperatingMode::CharacterConversion;
    case OperatingMode::CharacterConversion:
    case OperatingMode::ListedNames:
      break;
  }
  return OperatingMode::SequentialRename;
}

// The case conversion has no output folder: its files are always renamed in place,
// whatever was asked.
constexpr bool AlwaysRenamesInPlace(OperatingMode mode) { return mode == OperatingMode::CaseConversion; }

// Whether a run of the mode renames in place when renaming in place was asked or not.
constexpr bool RenamesInPlace(OperatingMode mode, bool inPlaceAsked) {
  return inPlaceAsked || AlwaysRenamesInPlace(mode);
}

}  // namespace morvane::core
