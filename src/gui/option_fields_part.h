#pragma once

#include <QObject>
#include <functional>

#include "core/fs/file_system.h"
#include "core/run/output_folder_check.h"
#include "core/settings/ini_document.h"
#include "core/settings/settings_keys.h"
#include "core/settings/settings_store.h"
#include "gui/main_options.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace morvane::gui {

class MessageBoxes;
class TargetListPart;
class UpDown;

// The option controls of the main window: the numbering order, renaming in place, the
// increment with its up-down control, the two cases (and the preview line's click that
// steps them), and the output folder's field and button.
struct OptionFieldControls {
  QComboBox* sortType;
  QCheckBox* descending;
  QCheckBox* inPlace;
  QLineEdit* increment;
  QComboBox* nameCase;
  QComboBox* extensionCase;
  QLabel* previewLine;
  QComboBox* outputFolder;
  QWidget* outputFolderButton;
  QComboBox* startNumber;
};

// What the option controls need of the window they are in.
class OptionFieldsHost {
 public:
  virtual ~OptionFieldsHost() = default;
  // Runs one change of the settings file; false (and the window says so) when it fails.
  virtual bool WriteSettings(const std::function<void(core::IniDocument&)>& edit) = 0;
  virtual MessageBoxes& Messages() = 0;
  virtual void RefreshPreview() = 0;
  // Renaming in place was switched: the output folder's controls follow it.
  virtual void ApplyOutputFolderRule() = 0;
};

// The option controls and the options they stand for, each written to the settings file
// when it changes. The handlers keep the names the window has always given them.
class OptionFieldsPart : public QObject {
  Q_OBJECT

 public:
  OptionFieldsPart(const OptionFieldControls& controls, OptionFieldsHost& host, TargetListPart& targetList,
                   core::SettingsStore& settings, core::FileSystem& fileSystem, QObject* parent);

  const MainOptions& Options() const { return m_options; }
  // The up-down control beside the increment, made here.
  UpDown* IncrementUpDown() const { return m_upDown; }
  // The options of the last session.
  void Load(const core::IniDocument& document);

  void cboSortTypeChange();
  void chkDelFileClick();
  void edtZoubunChange();
  // One step of the increment: +1 up, -1 down (the up-down arrows, the arrow keys).
  void updZoubunClick(int direction);
  void cboRenameULChange();
  void cboExtULChange();
  // A click on the preview line steps the two cases.
  void lblPreViewMouseUp(Qt::MouseButton button);
  // Enter in the output folder's field checks the folder.
  void cboOutputDirKeyPress();
  void bitOutputDirClick();

 protected:
  // The arrow keys on the increment, Enter on the output folder, clicks on the preview.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateUpDown();
  void FitStartNumberField();
  void Connect();
  void CyclePreviewCase();
  // A case combo changed: its index written to key and kept in option.
  void CaseChanged(QComboBox* combo, const core::keys::IntKey& key, int& option);
  bool CheckOutputFolderAt(core::OutputFolderVariant variant);

  OptionFieldControls m_controls;
  OptionFieldsHost& m_host;
  TargetListPart& m_targetList;
  core::SettingsStore& m_settings;
  core::FileSystem& m_fileSystem;
  MainOptions m_options;
  UpDown* m_upDown = nullptr;
};

}  // namespace morvane::gui
