#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <string>

#include "core/settings/settings_dialog_values.h"
#include "core/settings/settings_store.h"
#include "gui/message_boxes.h"
#include "gui/settings_dialog_host.h"
#include "ui_untSetting.h"

class QCheckBox;
class QLineEdit;

namespace morvane::gui {

// The settings dialog: the defaults the main window takes, the log options, the text
// viewer and the protected extensions. Made once at start-up and hidden between uses;
// every showing reloads the controls from the settings file, and only "設定を保存"
// writes them back.
class TfrmSetting : public QDialog, public Ui_TfrmSetting {
  Q_OBJECT

 public:
  // fileSystem: what the folder dialog looks folders up in.
  TfrmSetting(core::SettingsStore& settings, const core::FileSystem& fileSystem, SettingsDialogHost& host,
              QWidget* parent = nullptr);

  MessageBoxes& Messages() { return m_messages; }
  // The folder button's dialog: gives the chosen folder, or "" when cancelled. Tests
  // replace it; the default opens the folder dialog without its subfolder box.
  void SetFolderChooser(std::function<std::string()> chooser) { m_chooseFolder = std::move(chooser); }
  // The viewer button's dialog: gives the chosen program, or "" when cancelled.
  void SetProgramChooser(std::function<std::string()> chooser) { m_chooseProgram = std::move(chooser); }

  // The values the controls show now.
  core::SettingsDialogValues ShownValues() const;

 public slots:
  void FormActivate();
  void btnOkClick();
  void btnCloseClick();
  void bitOutputDirClick();
  void bitTextViewerClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ShowUserListHistory(const std::string& userList);
  std::string ChooseFolderWithDialog();
  std::string ChooseProgramWithDialog();

  core::SettingsStore& m_settings;
  const core::FileSystem& m_fileSystem;
  SettingsDialogHost& m_host;
  MessageBoxes m_messages;
  std::function<std::string()> m_chooseFolder;
  std::function<std::string()> m_chooseProgram;
  // In the order of core::DefaultField.
  std::array<QLineEdit*, core::kDefaultFieldCount> m_defaultEdits;
  std::array<QCheckBox*, core::kDefaultFieldCount> m_defaultBoxes;
  std::array<QCheckBox*, 8> m_protectBoxes;  // BAT .. DAT
  // What the defaults were when the dialog was last opened; saving compares with it.
  core::SettingsDialogValues m_opened;
  // Lives as long as the dialog: each opening merges the file's lists into it.
  core::UserListHistory m_userLists;
};

}  // namespace morvane::gui
