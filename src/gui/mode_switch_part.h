#pragma once

#include <QObject>
#include <array>

#include "core/run/operating_mode.h"
#include "core/settings/ini_document.h"

class QAction;
class QLabel;
class QMenu;
class QWidget;
class Ui_TfrmMain;

namespace morvane::gui {

class TargetListPart;

// What switching modes needs of the window it is in.
class ModeSwitchHost {
 public:
  virtual ~ModeSwitchHost() = default;
  virtual void RefreshPreview() = 0;
};

// The operating mode of the main window: its items in the 機能 menu and the status bar's
// pop-up (made here), the status bar's first panel, and the window's layout in each mode.
class ModeSwitchPart : public QObject {
  Q_OBJECT

 public:
  // incrementUpDown and statusPanel: the up-down control beside the increment and the
  // status bar's first panel, made in code.
  ModeSwitchPart(Ui_TfrmMain& ui, QWidget* incrementUpDown, QLabel* statusPanel, TargetListPart& targetList,
                 ModeSwitchHost& host, QWidget* window);

  core::OperatingMode Mode() const { return m_mode; }
  // The status bar's pop-up menu of the modes, and its item of a mode.
  QMenu* PopupMenu() const { return m_popup; }
  QAction* PopupItem(core::OperatingMode mode) const;

  // A second click on the checked item of another mode returns to renaming; on the
  // checked rename item it changes nothing.
  void Select(core::OperatingMode mode);
  // The modes that were on when the window last closed, and what the close writes.
  void Restore(const core::IniDocument& document);
  void Save(core::IniDocument& document) const;
  // Output folder controls enabled exactly when the run copies.
  void ApplyOutputFolderRule();

 protected:
  // A click on the status bar's first panel steps to the next mode.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct ModeItems {
    QAction* mainItem;
    QAction* popupItem;
  };
  void CreatePopup(QWidget* window);
  void ApplyLayout();
  void ApplyPreviewHistoryMenus();

  Ui_TfrmMain& m_ui;
  QWidget* m_upDown;
  QLabel* m_statusPanel;
  TargetListPart& m_targetList;
  ModeSwitchHost& m_host;
  core::OperatingMode m_mode = core::OperatingMode::SequentialRename;
  QMenu* m_popup = nullptr;
  std::array<ModeItems, std::size(core::kAllModes)> m_items{};
};

}  // namespace morvane::gui
