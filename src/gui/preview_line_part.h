#pragma once

#include <QObject>
#include <array>
#include <functional>

#include "core/preview/preview_entry.h"
#include "core/preview/preview_history.h"
#include "core/run/operating_mode.h"
#include "core/settings/conversion_settings.h"
#include "core/settings/ini_document.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;

namespace morvane::gui {

// The controls of the main window that the preview line reads and restores.
struct PreviewLineControls {
  QLabel* line;
  QComboBox* frontPart;
  QComboBox* startNumber;
  QComboBox* backPart;
  QComboBox* replaceA;
  QComboBox* replaceB;
  QComboBox* addA;
  QComboBox* addB;
  QComboBox* nameCase;
  QComboBox* extensionCase;
  QCheckBox* changeExtension;
  QComboBox* newExtension;
  QCheckBox* regex;  // the replacement's A is a regular expression
};

// The menus of one mode's preview history: the main menu's submenu and the line's
// pop-up, each with its "no history" placeholder.
struct PreviewHistoryMenus {
  QMenu* mainMenu;
  QAction* mainPlaceholder;
  QMenu* popup;
  QAction* popupPlaceholder;
};

// What the preview line needs of the window it is in.
class PreviewLineHost {
 public:
  virtual ~PreviewLineHost() = default;
  virtual core::OperatingMode Mode() const = 0;
  // Runs one change of the settings file; false (and the window says so) when it fails.
  virtual bool WriteSettings(const std::function<void(core::IniDocument&)>& edit) = 0;
  // A field the line shows changed: the line (and what follows it) is made again.
  virtual void RefreshPreview() = 0;
  // The character conversion's choices as its panel shows them.
  virtual core::StoredConversion Conversion() const = 0;
};

// The preview line of the main window (the first new name) and the preview histories of
// the numbering, the replacement and the addition, with their menus.
class PreviewLinePart : public QObject {
  Q_OBJECT

 public:
  PreviewLinePart(const PreviewLineControls& controls, PreviewLineHost& host, QObject* parent);

  // The menus of the numbering's, the replacement's and the addition's histories.
  void SetMenus(core::OperatingMode mode, const PreviewHistoryMenus& menus);

  // Recomputes the line from the fields (in the modes that have one).
  void Refresh();
  // The fields of the mode's history entry as they stand now.
  core::PreviewEntryFields CurrentFields(core::OperatingMode mode) const;
  // Adds an entry to the mode's history and menus.
  void Record(core::OperatingMode mode, const core::PreviewEntryFields& fields);
  const core::PreviewHistoryList& History(core::OperatingMode mode) const { return Of(mode).list; }
  // The three histories from the settings file.
  void Load(const core::IniDocument& document);
  // Writes the mode's list to its section, oldest first; false after a write error.
  bool Save(core::OperatingMode mode);
  // Puts the settings of a clicked history item back into the fields.
  void RestoreEntry(core::OperatingMode mode, QAction* clicked);
  // The change-extension box was set: the new extension's field follows it.
  void chkChgExtClick();

 private:
  // Every field the line shows, to a refresh.
  void ConnectFields();
  struct ModeHistory {
    core::PreviewHistoryList list;
    PreviewHistoryMenus menus{};
  };
  ModeHistory& Of(core::OperatingMode mode);
  const ModeHistory& Of(core::OperatingMode mode) const;
  void RebuildMenus(core::OperatingMode mode);

  PreviewLineControls m_controls;
  PreviewLineHost& m_host;
  std::array<ModeHistory, 3> m_histories;
};

}  // namespace morvane::gui
