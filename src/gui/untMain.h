#pragma once

#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/fs/file_system.h"
#include "core/fs/program_files.h"
#include "core/log/log_commands.h"
#include "core/log/result_log.h"
#include "core/modes/renaming/mode_run.h"
#include "core/pipeline/checked_plan.h"
#include "core/preview/preview_entry.h"
#include "core/preview/preview_history.h"
#include "core/run/operating_mode.h"
#include "core/run/output_folder_check.h"
#include "core/settings/log_settings.h"
#include "core/settings/run_histories.h"
#include "core/settings/settings_store.h"
#include "core/targets/target_list.h"
#include "core/undo/undo_store.h"
#include "gui/file_dialogs.h"
#include "gui/main_options.h"
#include "gui/main_run_part.h"
#include "gui/menu_commands_part.h"
#include "gui/message_boxes.h"
#include "gui/mode_switch_part.h"
#include "gui/option_fields_part.h"
#include "gui/plan_part.h"
#include "gui/preset_menu_part.h"
#include "gui/preview_line_part.h"
#include "gui/settings_dialog_host.h"
#include "gui/target_list_part.h"
#include "gui/undo_part.h"
#include "gui/untPreviewList.h"
#include "gui/window_run_interaction.h"
#include "ui_untMain.h"

class QComboBox;
class QLabel;
class QMenu;
class QMimeData;
class QItemSelection;
class QProgressBar;
class QTimer;

namespace morvane::gui {

class ConversionPanelPart;
class RegexOptionPart;
class RunStopPart;
class HelpWindow;
class QtTextViewerLauncher;
class TargetListModel;
class TfrmConfirmation;
class TfrmPEndMessage;
class TfrmPreviewList;
class TfrmSetting;
class TfrmUndo;
class UpDown;

// The main window. The controls of untMain.ui are members under their object names
// (cboKyotsuName, mnuRename, ...); the up-down control, the status bar's panels and
// progress bar and the pop-up menus are made in code and are members too.
class TfrmMain : public QMainWindow,
                 public Ui_TfrmMain,
                 public SettingsDialogHost,
                 public TargetListHost,
                 public PreviewLineHost,
                 public OptionFieldsHost,
                 public ModeSwitchHost,
                 public PlanHost,
                 public UndoHost,
                 public PresetHost {
  Q_OBJECT

 public:
  // files: where the settings file, the result file and the log live. fileSystem: every
  // file access of the window and its dialogs goes through it; it must outlive the
  // window. arguments: the command line's paths, put into the target list at the end of
  // start-up.
  TfrmMain(const core::ProgramFiles& files, core::FileSystem& fileSystem,
           const std::vector<std::string>& arguments = {}, QWidget* parent = nullptr);
  ~TfrmMain() override;

  // Made in code (see the class comment).
  UpDown* updZoubun;
  QLabel* stbPanel0;
  QLabel* stbPanel1;
  QProgressBar* pgbProcess;
  QMenu* pmnFunction;
  QAction* pmnRename;
  QAction* pmnChgExt;
  QAction* pmnULCase;
  QAction* pmnChangeStr;
  QAction* pmnAddStr;
  QAction* pmnCharConv;
  QMenu* pmnChoiceFile;
  QAction* pmnCFStartProcess;
  QAction* pmnCFSelectFileDel;
  QAction* pmnCFListClear;
  QAction* pmnCFListToTop;
  QAction* pmnCFListUp;
  QAction* pmnCFListDown;
  QAction* pmnCFListToBottom;
  QMenu* pmnPreViewList;
  QAction* pmnPVListItem;
  QMenu* pmnChgStrPVList;
  QAction* pmnChgStrPVListItem;
  QMenu* pmnAddStrPVList;
  QAction* pmnAddStrPVListItem;
  // The settings dialog, the run confirmation and the end message, made at start-up and
  // hidden between uses.
  TfrmSetting* frmSetting = nullptr;
  TfrmConfirmation* frmConfirmation = nullptr;
  TfrmPEndMessage* frmPEndMessage = nullptr;
  // The plan window and its item in the 機能 menu.
  TfrmPreviewList* frmPreviewList() const { return m_plan->Window(); }
  QAction* mnuPreviewList = nullptr;
  // The undo dialog, made at start-up and hidden between uses, and its item in the 機能
  // menu, enabled while a run can be taken back.
  TfrmUndo* frmUndo = nullptr;
  QAction* mnuUndo = nullptr;

  core::OperatingMode Mode() const override;
  // Whether a run started from the window is going (a signal then stops the run, not the
  // window).
  bool RunGoing() const { return m_runGoing; }
  // Shows the window as a run going or over (run_stop_part.h).
  void SetRunGoing(bool going);
  // The person asked the run going, or the last one, to stop (中止, Esc, a close).
  bool RunStopAsked() const;
  // The button that stops a run, in the Start button's place while one goes.
  QPushButton* btnStop = nullptr;
  const MainOptions& Options() const { return m_optionFields->Options(); }
  const core::LogSettings& LogOptions() const override { return m_logSettings; }
  const core::ProgramFiles& Files() const { return m_files; }
  core::FileSystem& FileSystemInUse() const { return m_fileSystem; }
  MessageBoxes& Messages() override { return m_messages; }
  // The folder the file dialog opens in first (empty: the platform's default).
  const std::string& FileDialogFolder() const { return m_targetList->FileDialogFolder(); }
  const core::PreviewHistoryList& PreviewHistory(core::OperatingMode mode) const;

  // The help window of this main window; closed with it.
  HelpWindow& Help();
  // The overwrite alert of the runs (with its test seam) and its help button.
  OverwriteAlerts& Alerts() { return m_alerts; }
  void ShowOverwriteAlertHelp();
  // Test seam: a launcher that opens the result file and the result log instead of the
  // program's own (nullptr: the program's own again).
  void SetViewerLauncher(core::TextViewerLauncher* launcher);

  // Runs one change of the settings file; a failed write shows "%s に書き込めません"
  // and gives false.
  bool WriteSettings(const std::function<void(core::IniDocument&)>& edit) override;

  // What saving the settings dialog changes here.
  void ApplyDefaultText(core::DefaultField field, const std::string& text) override;
  void ReloadLogSettings() override;

  // The preview line and its history.
  void RefreshPreview() override;
  core::StoredConversion Conversion() const override;
  // Adds an entry to the mode's preview history and menus; the mode must have a preview.
  void RecordPreview(core::OperatingMode mode, const core::PreviewEntryFields& fields);
  // The fields of the mode's entry as they stand in the window now.
  core::PreviewEntryFields CurrentPreviewFields(core::OperatingMode mode) const;
  // Writes the mode's list to its section, oldest first; false after a write error.
  bool SavePreviewHistory(core::OperatingMode mode);
  // Moves the value to the head of the combo's field history (the combos of the
  // history table only) and makes it the combo's text.
  void RememberFieldValue(QComboBox* combo, const QString& value);

  // Output folder controls enabled exactly when the run copies.
  void ApplyOutputFolderRule() override;
  void SelectMode(core::OperatingMode mode);

  // The target list (untMain_targets.cpp). The entries are the bytes they were given.
  const core::TargetList& Targets() const;
  TargetListPart& TargetListOf() { return *m_targetList; }
  FileDialogs& FileDialog() { return m_fileDialogs; }
  // Test seam: what opening an entry with its associated program does instead.
  void SetShellOpener(std::function<void(const std::string&)> opener);
  void AppendTarget(const std::string& path);
  void ClearTargetList();
  // What the target list asks of the window.
  bool InUserOrderState() const override;
  std::string FileTypesText() const override;
  // What the preview line asks of the window.
  core::ProtectedExtensions ProtectedTypes() const override;
  void ListChanged() override {
    if (m_plan != nullptr) m_plan->MayHaveChanged();
  }
  // Paths dropped from a file manager, in the order they came.
  void StoreDroppedPaths(const std::vector<std::string>& paths);
  // A drop on the window: the text/uri-list of the data, decoded to bytes.
  void FormDragDrop(const QMimeData& data);

  // The status bar (untMain_status.cpp).
  void ShowFreeSpace() override;
  // The progress bar of a run over count files.
  void ProgressBegin(int count);
  void ProgressStep();
  void ProgressEnd();

  // The runs (the MainRunPart).
  QWidget& Widget() override { return *this; }
  // The fields and options as a run would take them now.
  core::StartRequest StartRequestNow() const override;

  // The presets (untMain_presets.cpp) and the オプション menu's submenu of them.
  PresetMenuPart& Presets() { return *m_presets; }
  void ApplyPresetFields(const core::StartRequest& fields) override;
  bool ResolvesChains() const;

 public slots:
  void btnStartClick();
  void btnEndClick();
  void cboSortTypeChange();
  void cboRenameULChange();
  void cboExtULChange();
  void mnuChangeStrClick();
  void lstChoiceFileDblClick();
  // Right button pressed at height y of the list.
  void lstChoiceFileMouseDown(Qt::MouseButton button, int y);
  // The entry at sourceRow dragged inside the list and dropped at height y.
  void lstChoiceFileDragDrop(int sourceRow, int y);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate(const std::vector<std::string>& arguments);
  bool FormCloseQuery();
  // The settings dialog and the help window, and the menu items that show them.
  void CreateDialogs();

  core::ProgramFiles m_files;
  core::FileSystem& m_fileSystem;
  core::SettingsStore m_settings;
  MessageBoxes m_messages;
  bool m_runGoing = false;
  core::LogSettings m_logSettings;
  PreviewLinePart* m_previewLine = nullptr;
  OptionFieldsPart* m_optionFields = nullptr;
  ConversionPanelPart* m_conversion = nullptr;
  RegexOptionPart* m_regex = nullptr;
  RunStopPart* m_runStop = nullptr;
  MenuCommandsPart* m_commands = nullptr;
  ModeSwitchPart* m_modes = nullptr;
  std::unique_ptr<MainRunPart> m_runPart;
  PlanPart* m_plan = nullptr;
  UndoPart* m_undo = nullptr;
  PresetMenuPart* m_presets = nullptr;
  bool m_firstShowDone = false;

  TargetListPart* m_targetList = nullptr;
  FileDialogs m_fileDialogs;
  OverwriteAlerts m_alerts;
};

}  // namespace morvane::gui
