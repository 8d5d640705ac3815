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
#include "gui/message_boxes.h"
#include "gui/plan_part.h"
#include "gui/preview_line_part.h"
#include "gui/run_controller.h"
#include "gui/run_window.h"
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
                 public RunWindow,
                 public TargetListHost,
                 public PreviewLineHost,
                 public PlanHost,
                 public UndoHost {
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

  core::OperatingMode Mode() const override { return m_mode; }
  // Whether a run started from the window is going (a signal then stops the run, not the
  // window).
  bool RunGoing() const { return m_runGoing; }
  void SetRunGoing(bool going) override { m_runGoing = going; }
  const MainOptions& Options() const { return m_options; }
  const core::LogSettings& LogOptions() const override { return m_logSettings; }
  const core::ProgramFiles& Files() const { return m_files; }
  core::FileSystem& FileSystemInUse() const { return m_fileSystem; }
  MessageBoxes& Messages() override { return m_messages; }
  // The folder the file dialog opens in first (empty: the platform's default).
  const std::string& FileDialogFolder() const { return m_fileDialogFolder; }
  const core::PreviewHistoryList& PreviewHistory(core::OperatingMode mode) const;

  // The help window of this main window; closed with it.
  HelpWindow& Help() { return *m_help; }
  // The overwrite alert of the runs (with its test seam) and its help button.
  OverwriteAlerts& Alerts() override { return m_alerts; }
  void ShowOverwriteAlertHelp() override;
  void SetHelpModality(Qt::WindowModality modality);
  // What opens the result file and the result log (the viewer of the settings, or the
  // built-in one).
  core::TextViewerLauncher& ViewerLauncher() { return *m_viewerLauncher; }
  // Test seam: a launcher that records instead of starting anything (nullptr: the
  // program's own again).
  void SetViewerLauncher(core::TextViewerLauncher* launcher) { m_viewerLauncher->Replace(launcher); }
  // The version dialog's test seam: what opens the home page from its icon.
  void SetUrlOpener(std::function<void(const QString&)> opener) { m_urlOpener = std::move(opener); }

  // What saving the settings dialog changes here.
  void ApplyDefaultText(core::DefaultField field, const std::string& text) override;
  void ReloadLogSettings() override;

  // The preview line and its history.
  void RefreshPreview() override;
  void CyclePreviewCase();
  // Adds an entry to the mode's preview history and menus; the mode must have a preview.
  void RecordPreview(core::OperatingMode mode, const core::PreviewEntryFields& fields);
  // The fields of the mode's entry as they stand in the window now.
  core::PreviewEntryFields CurrentPreviewFields(core::OperatingMode mode) const;
  void LoadPreviewHistories();
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
  FileDialogs& FileDialog() { return m_fileDialogs; }
  // Test seam: what opening an entry with its associated program does instead.
  void SetShellOpener(std::function<void(const std::string&)> opener);
  void AppendTarget(const std::string& path);
  void AppendTargetUnique(const std::string& path);
  void RememberTargetFolder(const std::string& folder);
  void ClearTargetList();
  std::string ToLongPathForm(std::string_view path) const { return m_fileSystem.ToLongPathForm(path); }
  // What the target list asks of the window.
  bool InUserOrderState() const override;
  std::string FileTypesText() const override;
  // What the preview line asks of the window.
  void ChangeExtensionSet() override;
  void ConnectHistoryItem(core::OperatingMode mode, QAction* item) override;
  core::ProtectedExtensions ProtectedTypes() const override;
  void ListChanged() override {
    if (m_plan != nullptr) m_plan->MayHaveChanged();
  }
  // The command line's paths: each at the top of the list, folders remembered.
  void StoreCommandLine(const std::vector<std::string>& arguments);
  // Paths dropped from a file manager, in the order they came.
  void StoreDroppedPaths(const std::vector<std::string>& paths);
  // A drop on the window: the text/uri-list of the data, decoded to bytes.
  void FormDragDrop(const QMimeData& data);

  // The status bar (untMain_status.cpp).
  void RefreshSelectionInfo();
  void ShowItemInfo(const std::string& path);
  void ShowListTotals();
  void ShowFreeSpace() override;
  // The progress bar of a run over count files.
  void ProgressBegin(int count) override;
  void ProgressStep() { ProgressSteps(1); }
  void ProgressSteps(int files) override;
  void ProgressEnd() override;

  // The runs (untMain_start.cpp, untMain_run_histories.cpp): what the run controller
  // asks of the window.
  QWidget& Widget() override { return *this; }
  void ShowFieldText(core::StartField field, std::string_view text) override;
  void FocusStartField(core::StartField field, std::optional<std::size_t> targetIndex) override;
  bool ConfirmNumbering(const core::RunSettings& settings) override;
  bool ResolvesChains() const override { return m_plan->ResolvesChains(); }
  void RunFilesDone(const core::StartRequest& request, const core::ReadyRun& run) override;
  void JournalWritten(const std::string& path) override { m_undo->JournalWritten(path); }
  void FinishRun(const std::string& endMessage) override;

 public slots:
  void btnStartClick();
  void cboOutputDirKeyPress();
  void bitOutputDirClick();
  void mnuLogViewerClick();
  void C1Click();
  void mnuSettingClick();
  void mnuVersionClick();
  void mnuHelpContentsClick();
  void btnEndClick();
  void Exit1Click();
  void cboSortTypeChange();
  void chkDelFileClick();
  void edtZoubunChange();
  // One step of the increment: +1 up, -1 down (the up-down arrows, the arrow keys).
  void updZoubunClick(int direction);
  void cboRenameULChange();
  void cboExtULChange();
  void chkChgExtClick();
  void cboChgExtChange();
  void cboStartSeqNbrChange();
  void mnuRenameClick();
  void mnuChgExtClick();
  void mnuULCaseClick();
  void mnuChangeStrClick();
  void mnuAddStrClick();
  void stbMainMouseUp(Qt::MouseButton button, int x);
  void lblPreViewMouseUp(Qt::MouseButton button);
  void pmnPVListItemClick();
  void pmnChgStrPVListItemClick();
  void pmnAddStrPVListItemClick();
  void bitChoiceFilesClick();
  void bitChoiceFolderClick();
  void cboChoiceFileKeyPress();
  void cboChoiceFileClick(int index);
  void btnSelectFileDelClick();
  void btnListClearClick();
  void bitListToTopClick();
  void bitListUpClick();
  void bitListDownClick();
  void bitListToBottomClick();
  void lstChoiceFileClick();
  void lstChoiceFileDblClick();
  // Right button pressed at height y of the list.
  void lstChoiceFileMouseDown(Qt::MouseButton button, int y);
  // The entry at sourceRow dragged inside the list and dropped at height y.
  void lstChoiceFileDragDrop(int sourceRow, int y);

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreatePreviewLine();
  void FormCreate(const std::vector<std::string>& arguments);
  void FormShow();
  bool FormCloseQuery();
  void CreateStatusBar();
  void CreatePopupMenus();
  void CreateUpDown();
  void ApplyInputFilters();
  void FitStartNumberField();
  void ConnectHandlers();
  // The settings dialog and the help window, and the menu items that show them.
  void CreateDialogs();

  // The output folder's check when Enter is pressed in its field.
  bool CheckOutputFolderAt(core::OutputFolderVariant variant);
  // The run's mode and what the fields ask of it now.
  core::OperatingMode RunModeNow() const;
  core::StartRequest StartRequestNow() const override;
  void SaveNumberingHistories(const core::RunSettings& settings, const std::string& fileTypes);
  void SaveNameEditHistories(bool replacement, const core::ModeRunInputs& inputs,
                             const std::string& fileTypes);
  core::CopyFileFields CopyFileFieldsNow() const;
  core::LogCommandContext LogContext(core::MessagePresenter& presenter);
  void LoadFieldHistories(const core::IniDocument& document);
  void LoadOptions(const core::IniDocument& document);
  void RestoreMode(const core::IniDocument& document);
  void ApplyDefaults(const core::IniDocument& document);

  void ApplyModeLayout();
  void ApplyListArrangement();
  void ApplyPreviewHistoryMenus();
  void CreateTargetList();
  void ConnectTargetListHandlers();
  QMenu* CurrentPreviewPopup();
  QAction* MainModeAction(core::OperatingMode mode) const;
  QAction* PopupModeAction(core::OperatingMode mode) const;

  // Runs one change of the settings file; a failed write shows "%s に書き込めません"
  // and gives false.
  bool WriteSettings(const std::function<void(core::IniDocument&)>& edit) override;

  core::ProgramFiles m_files;
  core::FileSystem& m_fileSystem;
  core::SettingsStore m_settings;
  MessageBoxes m_messages;
  core::OperatingMode m_mode = core::OperatingMode::SequentialRename;
  bool m_runGoing = false;
  MainOptions m_options;
  core::LogSettings m_logSettings;
  std::string m_fileDialogFolder;
  PreviewLinePart* m_previewLine = nullptr;
  PlanPart* m_plan = nullptr;
  UndoPart* m_undo = nullptr;
  bool m_firstShowDone = false;

  RunController m_runs{*this, m_fileSystem};
  TargetListPart* m_targetList = nullptr;
  FileDialogs m_fileDialogs;
  HelpWindow* m_help = nullptr;
  OverwriteAlerts m_alerts;
  std::unique_ptr<QtTextViewerLauncher> m_standardViewer;
  std::unique_ptr<SwitchableViewerLauncher> m_viewerLauncher;
  std::function<void(const QString&)> m_urlOpener;
};

}  // namespace morvane::gui
