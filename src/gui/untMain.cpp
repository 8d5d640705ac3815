#include "gui/untMain.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QStatusBar>

#include "core/settings/history.h"
#include "core/settings/settings_write_error.h"
#include "gui/combo_items.h"
#include "gui/compact_combo_style.h"
#include "gui/conversion_panel_part.h"
#include "gui/field_validator.h"
#include "gui/help_window.h"
#include "gui/interface_font.h"
#include "gui/main_window_setup.h"
#include "gui/qt_text.h"
#include "gui/regex_option_part.h"
#include "gui/run_stop_part.h"
#include "gui/text_viewer_window.h"
#include "gui/up_down.h"

namespace morvane::gui {
namespace keys = core::keys;

namespace {

constexpr int kClientWidth = 579;
constexpr int kClientHeight = 393;

}  // namespace

TfrmMain::TfrmMain(const core::ProgramFiles& files, core::FileSystem& fileSystem,
                   const std::vector<std::string>& arguments, QWidget* parent)
    : QMainWindow(parent),
      m_files(files),
      m_fileSystem(fileSystem),
      m_settings(files.settingsFile, core::ActiveCodePage(), fileSystem),
      m_messages(this),
      m_fileDialogs(this) {
  // Before the controls exist, so that they all take it.
  setFont(UiFont());
  setupUi(this);
  CreateStatusBar(*this);
  CreatePopupMenus(*this);
  m_conversion = new ConversionPanelPart({{cboConvAlnum, cboConvSymbols, cboConvSpace, cboConvKatakana,
                                           cboConvKana, cboConvNormalize, cboConvLetters},
                                          chkConvExt},
                                         *this, this);
  m_previewLine = CreatePreviewLine(*this);
  m_targetList = CreateTargetList(*this, m_fileSystem, m_fileDialogs, m_settings);
  m_optionFields = new OptionFieldsPart({cboSortType, chkSortDse, chkDelFile, edtZoubun, cboRenameUL,
                                         cboExtUL, lblPreView, cboOutputDir, bitOutputDir, cboStartSeqNbr},
                                        *this, *m_targetList, m_settings, m_fileSystem, this);
  updZoubun = m_optionFields->IncrementUpDown();
  m_modes = new ModeSwitchPart(*this, updZoubun, stbPanel0, *m_targetList, *this, this);
  pmnFunction = m_modes->PopupMenu();
  pmnRename = m_modes->PopupItem(core::OperatingMode::SequentialRename);
  pmnChgExt = m_modes->PopupItem(core::OperatingMode::ExtensionChange);
  pmnULCase = m_modes->PopupItem(core::OperatingMode::CaseConversion);
  pmnChangeStr = m_modes->PopupItem(core::OperatingMode::StringReplacement);
  pmnAddStr = m_modes->PopupItem(core::OperatingMode::StringAddition);
  pmnCharConv = m_modes->PopupItem(core::OperatingMode::CharacterConversion);
  ApplyInputFilters(*this);
  m_regex = new RegexOptionPart(chkRegex, cboChgStr, *this, this);
  m_runStop = new RunStopPart(*this, btnStart, centralWidget(), menuBar());
  btnStop = m_runStop->StopButton();
  connect(btnEnd, &QPushButton::clicked, this, &TfrmMain::btnEndClick);
  connect(Exit1, &QAction::triggered, this, &QWidget::close);
  lstChoiceFile->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(lstChoiceFile, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { pmnChoiceFile->popup(lstChoiceFile->viewport()->mapToGlobal(at)); });
  CreateDialogs();
  m_plan =
      new PlanPart(*this, *frmConfirmation, m_fileSystem, mnuFunction, mnuPreViewList->menuAction(), this);
  mnuPreviewList = m_plan->MenuItem();
  // The fields the preview line does not show change the plan too.
  const auto changed = [this] { m_plan->MayHaveChanged(); };
  for (QComboBox* combo : {cboExtension, cboOutputDir})
    connect(combo, &QComboBox::editTextChanged, this, changed);
  connect(cboSortType, &QComboBox::currentIndexChanged, this, changed);
  connect(edtZoubun, &QLineEdit::textChanged, this, changed);
  for (QCheckBox* box : {chkSortDse, chkDelFile, chkChgStr}) connect(box, &QCheckBox::toggled, this, changed);
  m_undo = new UndoPart(*this, {frmPEndMessage, m_commands->ViewerLauncher()}, m_files, m_fileSystem,
                        mnuFunction, mnuPreViewList->menuAction(), this);
  frmUndo = m_undo->Dialog();
  mnuUndo = m_undo->MenuItem();
  m_presets =
      new PresetMenuPart(*this, m_fileSystem, m_files.folder, mnuOption, mnuOption->actions().value(1), this);
  m_runPart = std::make_unique<MainRunPart>(
      *this, MainRunParts{*m_targetList, *m_previewLine, *m_plan, *m_undo, *m_commands}, m_fileSystem);
  FormCreate(arguments);
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::SetRunGoing(bool going) {
  m_runGoing = going;
  if (going) {
    m_runStop->Begin();
  } else {
    m_runStop->End();
  }
}

bool TfrmMain::RunStopAsked() const { return m_runStop->StopAsked(); }

// Start-up: the state of the last session, restored in a fixed order so that later
// steps (the mode, the defaults in force) win over earlier ones (the histories).
void TfrmMain::FormCreate(const std::vector<std::string>& arguments) {
  // A fixed dialog-like frame: no maximize button, not resizable.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(kClientWidth, mnuMain->sizeHint().height() + kClientHeight);

  // One reading of the settings file for all of start-up.
  const core::IniDocument document = m_settings.Load();
  move(document.Read(keys::kWindowLeft), document.Read(keys::kWindowTop));
  setWindowTitle(QStringLiteral("Morvane"));

  LoadFieldHistories(*this, document);
  m_previewLine->chkChgExtClick();
  m_optionFields->Load(document);
  m_conversion->Load(document);
  m_regex->Load(document);
  m_modes->Restore(document);
  ApplyDefaults(*this, document);

  RefreshPreview();
  ReloadLogSettings();
  ApplyOutputFolderRule();

  m_previewLine->Load(document);

  const std::string fileFolder = document.Read(keys::kDefaultFileFolder);
  if (!fileFolder.empty() && m_fileSystem.IsFolder(fileFolder)) m_targetList->SetFileDialogFolder(fileFolder);

  ShowFreeSpace();
  pmnCFListClear->setEnabled(false);
  pmnCFStartProcess->setEnabled(false);

  // Files dropped from the desktop (FormDragDrop).
  setAcceptDrops(true);

  m_targetList->AddCommandLine(arguments);
}

void TfrmMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (m_firstShowDone) return;
  m_firstShowDone = true;
  setAcceptDrops(true);
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  if (FormCloseQuery()) {
    event->accept();
    Help().close();
  } else {
    event->ignore();
  }
}

// Saves what only the close writes: the position, the mode and the target-folder
// history. A settings file that cannot be written keeps the window open, so that the
// user can make it writable and close again.
bool TfrmMain::FormCloseQuery() {
  const std::vector<std::string> choiceFolders = AllItemBytes(cboChoiceFile);
  const bool saved = WriteSettings([&](core::IniDocument& document) {
    document.Write(keys::kWindowLeft, x());
    document.Write(keys::kWindowTop, y());
    m_modes->Save(document);
    core::WriteHistory(document, keys::kCopyFileChoiceFolder, choiceFolders);
  });
  if (!saved) return false;
  // The result file belongs to one session; a missing one is as good as removed.
  m_fileSystem.DeleteFile(m_files.resultFile);
  return true;
}

void TfrmMain::btnEndClick() {
  if (btnStart->isEnabled() &&
      m_messages.Show(MessageKind::Confirmation, QStringLiteral("\r\n終了してよろしいですか？"),
                      MessageButtons::OkCancel) != MessageAnswer::Ok) {
    return;
  }
  close();
}

bool TfrmMain::WriteSettings(const std::function<void(core::IniDocument&)>& edit) {
  try {
    m_settings.Update(edit);
    return true;
  } catch (const core::SettingsWriteError& error) {
    m_messages.Show(MessageKind::Error, ToQString(error.Message()));
    return false;
  }
}

}  // namespace morvane::gui
