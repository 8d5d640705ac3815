#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings/ini_document.h"
#include "core/text/code_page.h"

namespace morvane::core {

// The six defaults of the settings dialog, in the order the dialog loads them.
enum class DefaultField { StartNumber, FrontPart, BackPart, FileTypes, Extension, OutputFolder };
inline constexpr std::size_t kDefaultFieldCount = 6;

// One default: the text the main window takes, and whether it is in force.
struct DialogDefault {
  std::string text;
  bool enabled = false;

  friend bool operator==(const DialogDefault&, const DialogDefault&) = default;
};

// Everything the settings dialog shows, as the settings file holds it.
struct SettingsDialogValues {
  std::array<DialogDefault, kDefaultFieldCount> defaults;  // indexed by DefaultField
  bool outputLog = false;
  bool resultText = false;
  std::string textViewer;
  std::array<bool, 8> protectBuiltIn = {true, true, true, true, true, true, true, true};  // BAT .. DAT
  std::string userList;  // the user's protected list; empty for the no-list item

  DialogDefault& Default(DefaultField field) { return defaults[static_cast<std::size_t>(field)]; }
  const DialogDefault& Default(DefaultField field) const { return defaults[static_cast<std::size_t>(field)]; }
};

// The values of the file. A stored user list that is the no-list item shows as empty.
SettingsDialogValues ReadSettingsDialogValues(const IniDocument& document, const CodePage& codePage);

// Writes the values in the order the dialog saves them: the defaults with their boxes
// (start number, front part, back part, file types, extension, output folder), the log
// options and the viewer, the eight protection switches, the user list as shown, then
// the history from GuaudExtUser1 on.
void WriteSettingsDialogValues(IniDocument& document, const SettingsDialogValues& values,
                               const std::vector<std::string>& userListHistory);

// The earlier user lists shown under the fixed no-list item, most recent first, at most
// ten. Equal means equal without regard to ASCII letter case.
class UserListHistory {
 public:
  static constexpr std::size_t kMaxItems = 10;

  explicit UserListHistory(const CodePage& codePage = ActiveCodePage()) : m_codePage(&codePage) {}

  // A value read from the file (ReadHistory of the user list history) joins at the
  // end, unless it is blank, the no-list item or already present.
  void Merge(std::string_view value);
  // A saved list goes to the top (as typed), replacing its equals; blank and the
  // no-list item change nothing.
  void PutFirst(std::string_view text);
  const std::vector<std::string>& Items() const { return m_items; }

 private:
  bool Ignored(std::string_view value) const;
  bool SameList(std::string_view a, std::string_view b) const;

  const CodePage* m_codePage;
  std::vector<std::string> m_items;
};

// Whether saving pushes a default into the main window: only when it is in force now
// and its text changed or it was not in force when the dialog opened. Saving without
// touching a default leaves the main window's text alone.
inline bool ShouldApplyDefault(const DialogDefault& whenOpened, const DialogDefault& now) {
  return now.enabled && (now.text != whenOpened.text || !whenOpened.enabled);
}

}  // namespace morvane::core
