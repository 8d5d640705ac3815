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
#include "gui/field_validator.h"
#include "gui/help_window.h"
#include "gui/interface_font.h"
#include "gui/qt_text.h"
#include "gui/text_viewer_window.h"
#include "gui/up_down.h"

namespace morvane::gui {
namespace keys = core::keys;

namespace {

constexpr int kClientWidth = 579;
constexpr int kClientHeight = 393;
constexpr int kStatusBarHeight = 19;
constexpr int kPanel0Width = 200;
constexpr int kPanel1Width = 376;
constexpr int kIncrementMinimum = 1;
constexpr int kIncrementMaximum = 9999;

// The combo boxes whose text the user edits.
constexpr const char* kEditableCombos[] = {
    "cboChoiceFile", "cboKyotsuName", "cboStartSeqNbr", "cboKyotsuName2", "cboChgStr",    "cboChgStr2",
    "cboAddStr",     "cboAddStr2",    "cboChgExt",      "cboExtension",   "cboOutputDir",
};

void LoadHistoryInto(QComboBox* combo, const core::IniDocument& document, const keys::HistoryKey& key,
                     bool takesText = true) {
  const core::LoadedHistory history = core::ReadHistory(document, key, document.GetCodePage());
  for (const std::string& item : history.items) AddItemBytes(combo, item);
  combo->setEditText(takesText ? ToQString(history.text) : QString());
}

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
  CreateUpDown();
  CreateStatusBar();
  CreatePopupMenus();
  CreatePreviewLine();
  CreateTargetList();
  ApplyInputFilters();
  FitStartNumberField();
  ConnectHandlers();
  ConnectTargetListHandlers();
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
  m_undo = new UndoPart(*this, {frmPEndMessage, *m_viewerLauncher}, m_files, m_fileSystem, mnuFunction,
                        mnuPreViewList->menuAction(), this);
  frmUndo = m_undo->Dialog();
  mnuUndo = m_undo->MenuItem();
  FormCreate(arguments);
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::CreateUpDown() {
  updZoubun = new UpDown(kIncrementMinimum, kIncrementMaximum, centralwidget);
  updZoubun->setObjectName(QStringLiteral("updZoubun"));
  updZoubun->setGeometry(edtZoubun->x() + edtZoubun->width(), edtZoubun->y(), 16, edtZoubun->height());
}

void TfrmMain::CreateStatusBar() {
  stbMain->setFixedHeight(kStatusBarHeight);
  stbMain->setSizeGripEnabled(false);
  auto panel = [this](const char* name, int left, int width) {
    auto* label = new QLabel(stbMain);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(left, 0, width, kStatusBarHeight);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setTextFormat(Qt::PlainText);
    // Clicks belong to the bar: the first panel switches modes, the bar has a pop-up.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
  };
  stbPanel0 = panel("stbPanel0", 0, kPanel0Width);
  stbPanel1 = panel("stbPanel1", kPanel0Width + 2, kPanel1Width);
  stbPanel0->setText(QStringLiteral("リネーム機能"));

  // Over the second panel, shown only while a run works through its files.
  pgbProcess = new QProgressBar(stbMain);
  pgbProcess->setObjectName(QStringLiteral("pgbProcess"));
  pgbProcess->setGeometry(kPanel0Width + 2, 2, kPanel1Width, kStatusBarHeight - 4);
  pgbProcess->setRange(0, 100);
  pgbProcess->setValue(0);
  pgbProcess->setTextVisible(false);
  // The amount one step of a run advances the bar (QProgressBar has no step of its own).
  pgbProcess->setProperty("step", 10);
  pgbProcess->hide();

  stbMain->installEventFilter(this);
  stbMain->setContextMenuPolicy(Qt::CustomContextMenu);
}

void TfrmMain::ApplyInputFilters() {
  for (const char* name : kEditableCombos) {
    auto* combo = findChild<QComboBox*>(QString::fromLatin1(name));
    // The histories are kept by the program, never by pressing Enter; and the text
    // stays exactly as typed, without completion from the items.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    ActivateOnlyFromDropDown(combo);
    ApplyFieldInput(combo->lineEdit(), combo->objectName());
  }
  ApplyFieldInput(edtZoubun, edtZoubun->objectName());
}

void TfrmMain::FitStartNumberField() {
  // Eight digits in a 60-pixel field: digits of one width, a narrow drop-down button,
  // and the line edit's own inner margin given back, the field's place unchanged.
  QFont digits(QStringLiteral("IPAGothic"));
  digits.setPixelSize(font().pixelSize() > 0 ? font().pixelSize() : 12);
  digits.setStyleHint(QFont::Monospace);
  cboStartSeqNbr->setFont(digits);
  auto* style = new CompactComboStyle(6);
  style->setParent(cboStartSeqNbr);
  cboStartSeqNbr->setStyle(style);
  cboStartSeqNbr->lineEdit()->setTextMargins(-1, 0, -1, 0);
}

void TfrmMain::ConnectHandlers() {
  connect(btnEnd, &QPushButton::clicked, this, &TfrmMain::btnEndClick);
  connect(Exit1, &QAction::triggered, this, &TfrmMain::Exit1Click);
  connect(cboSortType, &QComboBox::activated, this, &TfrmMain::cboSortTypeChange);
  connect(chkSortDse, &QCheckBox::clicked, this, &TfrmMain::cboSortTypeChange);
  connect(chkDelFile, &QCheckBox::clicked, this, &TfrmMain::chkDelFileClick);
  connect(edtZoubun, &QLineEdit::textEdited, this, &TfrmMain::edtZoubunChange);
  connect(updZoubun, &UpDown::stepRequested, this, &TfrmMain::updZoubunClick);
  edtZoubun->installEventFilter(this);
  connect(cboRenameUL, &QComboBox::activated, this, &TfrmMain::cboRenameULChange);
  connect(cboExtUL, &QComboBox::activated, this, &TfrmMain::cboExtULChange);
  connect(chkChgExt, &QCheckBox::clicked, this, &TfrmMain::chkChgExtClick);
  connect(cboChgExt->lineEdit(), &QLineEdit::textEdited, this, &TfrmMain::cboChgExtChange);
  connect(cboChgExt, &QComboBox::activated, this, &TfrmMain::cboChgExtChange);
  // One change handler for every name field of the preview.
  for (QComboBox* combo :
       {cboKyotsuName, cboStartSeqNbr, cboKyotsuName2, cboChgStr, cboChgStr2, cboAddStr, cboAddStr2}) {
    connect(combo->lineEdit(), &QLineEdit::textEdited, this, &TfrmMain::cboStartSeqNbrChange);
    connect(combo, &QComboBox::activated, this, &TfrmMain::cboStartSeqNbrChange);
  }
  connect(mnuRename, &QAction::triggered, this, &TfrmMain::mnuRenameClick);
  connect(mnuChgExt, &QAction::triggered, this, &TfrmMain::mnuChgExtClick);
  connect(mnuULCase, &QAction::triggered, this, &TfrmMain::mnuULCaseClick);
  connect(mnuChangeStr, &QAction::triggered, this, &TfrmMain::mnuChangeStrClick);
  connect(mnuAddStr, &QAction::triggered, this, &TfrmMain::mnuAddStrClick);
  connect(pmnRename, &QAction::triggered, this, &TfrmMain::mnuRenameClick);
  connect(pmnChgExt, &QAction::triggered, this, &TfrmMain::mnuChgExtClick);
  connect(pmnULCase, &QAction::triggered, this, &TfrmMain::mnuULCaseClick);
  connect(pmnChangeStr, &QAction::triggered, this, &TfrmMain::mnuChangeStrClick);
  connect(pmnAddStr, &QAction::triggered, this, &TfrmMain::mnuAddStrClick);
  connect(stbMain, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { pmnFunction->popup(stbMain->mapToGlobal(at)); });
  lblPreView->setTextFormat(Qt::PlainText);
  lblPreView->installEventFilter(this);
  lblPreView->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(lblPreView, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { CurrentPreviewPopup()->popup(lblPreView->mapToGlobal(at)); });
  lstChoiceFile->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(lstChoiceFile, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { pmnChoiceFile->popup(lstChoiceFile->viewport()->mapToGlobal(at)); });
}

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
  ApplyModeLayout();

  LoadFieldHistories(document);
  LoadOptions(document);
  RestoreMode(document);
  ApplyDefaults(document);

  RefreshPreview();
  ReloadLogSettings();
  ApplyOutputFolderRule();

  LoadPreviewHistories();

  const std::string fileFolder = document.Read(keys::kDefaultFileFolder);
  if (!fileFolder.empty() && m_fileSystem.IsFolder(fileFolder)) m_fileDialogFolder = fileFolder;

  ShowFreeSpace();
  pmnCFListClear->setEnabled(false);
  pmnCFStartProcess->setEnabled(false);

  // Files dropped from the desktop (FormDragDrop).
  setAcceptDrops(true);

  StoreCommandLine(arguments);
}

// The histories of the combo boxes, in the order they are read at start-up, with the
// extension check box and the numbering order between them.
void TfrmMain::LoadFieldHistories(const core::IniDocument& document) {
  cboStartSeqNbr->addItems({QStringLiteral("1"), QStringLiteral("01"), QStringLiteral("001")});
  LoadHistoryInto(cboStartSeqNbr, document, keys::kCopyFileStartSeqNbr);
  LoadHistoryInto(cboKyotsuName, document, keys::kCopyFileKyotsuName);
  LoadHistoryInto(cboKyotsuName2, document, keys::kCopyFileKyotsuName2);
  cboExtension->addItem(Utf8(keys::kMarkerAllFiles));
  LoadHistoryInto(cboExtension, document, keys::kCopyFileExtension);
  LoadHistoryInto(cboChgExt, document, keys::kCopyFileChgExt);

  chkChgExt->setChecked(document.Read(keys::kCopyFileChkChgExt));
  chkChgExtClick();

  LoadHistoryInto(cboChoiceFile, document, keys::kCopyFileChoiceFolder, /*takesText=*/false);
}

void TfrmMain::LoadOptions(const core::IniDocument& document) {
  auto select = [](QComboBox* combo, int index) {
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
  };
  m_options.sortType = document.Read(keys::kSettingSeqNbrSort);
  select(cboSortType, m_options.sortType);
  ApplyListArrangement();

  m_options.sortDescending = document.Read(keys::kSettingSortDse);
  chkSortDse->setChecked(m_options.sortDescending);
  m_options.renameInPlace = document.Read(keys::kSettingDelFile);
  chkDelFile->setChecked(m_options.renameInPlace);
  // An increment that is not a decimal integer (emptied while typing, or edited by
  // hand) starts as 1. The field shows the number the up-down control is set to.
  m_options.increment = ParseDecimal(ToQString(document.Read(keys::kSettingZoubun))).value_or(1);
  updZoubun->SetPosition(m_options.increment);
  edtZoubun->setText(QString::number(m_options.increment));
  m_options.nameCase = document.Read(keys::kSettingRenameUL);
  select(cboRenameUL, m_options.nameCase);
  m_options.extensionCase = document.Read(keys::kSettingExtUL);
  select(cboExtUL, m_options.extensionCase);

  LoadHistoryInto(cboOutputDir, document, keys::kCopyFileOutputFolder);
  LoadHistoryInto(cboAddStr, document, keys::kAddStrAddStr);
  LoadHistoryInto(cboAddStr2, document, keys::kAddStrAddStr2);
  LoadHistoryInto(cboChgStr, document, keys::kChgStrChgStr);
  LoadHistoryInto(cboChgStr2, document, keys::kChgStrChgStr2);
  chkChgStr->setChecked(document.Read(keys::kChgStrStrAULCase));
}

// Each mode that is on is switched on through its menu handler, in this order; the
// last one wins.
void TfrmMain::RestoreMode(const core::IniDocument& document) {
  const std::pair<keys::BoolKey, core::OperatingMode> modes[] = {
      {keys::kOptionChgExt, core::OperatingMode::ExtensionChange},
      {keys::kOptionULCase, core::OperatingMode::CaseConversion},
      {keys::kOptionChgStr, core::OperatingMode::StringReplacement},
      {keys::kOptionAddStr, core::OperatingMode::StringAddition},
  };
  for (const auto& [key, mode] : modes) {
    if (document.Read(key)) SelectMode(mode);
  }
}

// A default of the settings dialog that is in force overrides the text the history
// gave.
void TfrmMain::ApplyDefaults(const core::IniDocument& document) {
  const std::tuple<keys::StringKey, keys::BoolKey, QComboBox*> defaults[] = {
      {keys::kSettingStartSeqNbr, keys::kSettingStartSeqNbrChk, cboStartSeqNbr},
      {keys::kSettingKyotsuName, keys::kSettingKyotsuNameChk, cboKyotsuName},
      {keys::kSettingKyotsuName2, keys::kSettingKyotsuName2Chk, cboKyotsuName2},
      {keys::kSettingExtension, keys::kSettingExtensionChk, cboExtension},
      {keys::kSettingChgExt, keys::kSettingChgExtChk, cboChgExt},
      {keys::kSettingOutputFolder, keys::kSettingOutputFolderChk, cboOutputDir},
  };
  for (const auto& [value, inForce, combo] : defaults) {
    if (document.Read(inForce)) combo->setEditText(ToQString(document.Read(value)));
  }
}

void TfrmMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!m_firstShowDone) FormShow();
}

void TfrmMain::FormShow() {
  m_firstShowDone = true;
  setAcceptDrops(true);
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  if (FormCloseQuery()) {
    event->accept();
    m_help->close();
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
    document.Write(keys::kOptionULCase, mnuULCase->isChecked());
    document.Write(keys::kOptionChgExt, mnuChgExt->isChecked());
    document.Write(keys::kOptionChgStr, mnuChangeStr->isChecked());
    document.Write(keys::kOptionAddStr, mnuAddStr->isChecked());
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

void TfrmMain::Exit1Click() { close(); }

bool TfrmMain::WriteSettings(const std::function<void(core::IniDocument&)>& edit) {
  try {
    m_settings.Update(edit);
    return true;
  } catch (const core::SettingsWriteError& error) {
    m_messages.Show(MessageKind::Error, ToQString(error.Message()));
    return false;
  }
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
  if (m_targetList->FilterEvent(watched, event)) return true;
  if (watched == cboOutputDir && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      cboOutputDirKeyPress();
      return true;
    }
  }
  if (watched == edtZoubun && event->type() == QEvent::KeyPress) {
    // The arrow keys step the increment, as the up-down control's arrows do.
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      updZoubunClick(key == Qt::Key_Up ? 1 : -1);
      return true;
    }
  }
  if (event->type() == QEvent::MouseButtonRelease) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (watched == lblPreView) lblPreViewMouseUp(mouse->button());
    if (watched == stbMain) stbMainMouseUp(mouse->button(), static_cast<int>(mouse->position().x()));
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace morvane::gui
