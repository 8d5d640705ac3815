#include "gui/main_window_setup.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QStatusBar>

#include "core/settings/history.h"
#include "core/settings/settings_keys.h"
#include "gui/combo_items.h"
#include "gui/field_validator.h"
#include "gui/preview_line_part.h"
#include "gui/qt_text.h"
#include "gui/target_list_part.h"
#include "gui/untMain.h"

namespace morvane::gui {
namespace keys = core::keys;
namespace {

constexpr int kStatusBarHeight = 19;
constexpr int kPanel0Width = 200;
constexpr int kPanel1Width = 376;

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

QAction* AddItem(QMenu* menu, const char* name, const QString& caption) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

QMenu* NewMenu(QWidget* parent, const char* name) {
  auto* menu = new QMenu(parent);
  menu->setObjectName(QString::fromLatin1(name));
  return menu;
}

// A disabled item shown only while the history is empty.
QAction* AddPlaceholder(QMenu* menu, const char* name, const QString& caption) {
  QAction* placeholder = AddItem(menu, name, caption);
  placeholder->setEnabled(false);
  return placeholder;
}

}  // namespace

void CreateStatusBar(TfrmMain& window) {
  QStatusBar* const stbMain = window.stbMain;
  stbMain->setFixedHeight(kStatusBarHeight);
  stbMain->setSizeGripEnabled(false);
  auto panel = [stbMain](const char* name, int left, int width) {
    auto* label = new QLabel(stbMain);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(left, 0, width, kStatusBarHeight);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setTextFormat(Qt::PlainText);
    // Clicks belong to the bar: the first panel switches modes, the bar has a pop-up.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
  };
  window.stbPanel0 = panel("stbPanel0", 0, kPanel0Width);
  window.stbPanel1 = panel("stbPanel1", kPanel0Width + 2, kPanel1Width);

  // Over the second panel, shown only while a run works through its files.
  auto* progress = new QProgressBar(stbMain);
  progress->setObjectName(QStringLiteral("pgbProcess"));
  progress->setGeometry(kPanel0Width + 2, 2, kPanel1Width, kStatusBarHeight - 4);
  progress->setRange(0, 100);
  progress->setValue(0);
  progress->setTextVisible(false);
  // The amount one step of a run advances the bar (QProgressBar has no step of its own).
  progress->setProperty("step", 10);
  progress->hide();
  window.pgbProcess = progress;
}

void CreatePopupMenus(TfrmMain& window) {
  TfrmMain& w = window;
  w.pmnChoiceFile = NewMenu(&window, "pmnChoiceFile");
  w.pmnCFStartProcess =
      AddItem(w.pmnChoiceFile, "pmnCFStartProcess", QStringLiteral("アプリケーションから開く(&O)..."));
  w.pmnChoiceFile->setDefaultAction(w.pmnCFStartProcess);
  w.pmnChoiceFile->addSeparator();
  w.pmnCFSelectFileDel = AddItem(w.pmnChoiceFile, "pmnCFSelectFileDel", QStringLiteral("リストから外す(&R)"));
  w.pmnCFListClear = AddItem(w.pmnChoiceFile, "pmnCFListClear", QStringLiteral("リストをクリア(&C)"));
  w.pmnChoiceFile->addSeparator();
  w.pmnCFListToTop = AddItem(w.pmnChoiceFile, "pmnCFListToTop", QStringLiteral("一番上へ(&T)"));
  w.pmnCFListUp = AddItem(w.pmnChoiceFile, "pmnCFListUp", QStringLiteral("一つ上へ(&U)"));
  w.pmnCFListDown = AddItem(w.pmnChoiceFile, "pmnCFListDown", QStringLiteral("一つ下へ(&D)"));
  w.pmnCFListToBottom = AddItem(w.pmnChoiceFile, "pmnCFListToBottom", QStringLiteral("一番下へ(&B)"));
  // The list starts empty: nothing to open, remove, clear or move.
  for (QAction* item : w.pmnChoiceFile->actions()) item->setEnabled(false);

  const QString noHistory = QStringLiteral("履歴なし");
  w.pmnPreViewList = NewMenu(&window, "pmnPreViewList");
  w.pmnPVListItem = AddPlaceholder(w.pmnPreViewList, "pmnPVListItem", noHistory);
  w.pmnChgStrPVList = NewMenu(&window, "pmnChgStrPVList");
  w.pmnChgStrPVListItem = AddPlaceholder(w.pmnChgStrPVList, "pmnChgStrPVListItem", noHistory);
  w.pmnAddStrPVList = NewMenu(&window, "pmnAddStrPVList");
  w.pmnAddStrPVListItem = AddPlaceholder(w.pmnAddStrPVList, "pmnAddStrPVListItem", noHistory);
}

void ApplyInputFilters(TfrmMain& window) {
  for (const char* name : kEditableCombos) {
    auto* combo = window.findChild<QComboBox*>(QString::fromLatin1(name));
    // The histories are kept by the program, never by pressing Enter; and the text
    // stays exactly as typed, without completion from the items.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    ActivateOnlyFromDropDown(combo);
    ApplyFieldInput(combo->lineEdit(), combo->objectName());
  }
  ApplyFieldInput(window.edtZoubun, window.edtZoubun->objectName());
}

PreviewLinePart* CreatePreviewLine(TfrmMain& window) {
  const TfrmMain& w = window;
  const PreviewLineControls controls{w.lblPreView,  w.cboKyotsuName, w.cboStartSeqNbr, w.cboKyotsuName2,
                                     w.cboChgStr,   w.cboChgStr2,    w.cboAddStr,      w.cboAddStr2,
                                     w.cboRenameUL, w.cboExtUL,      w.chkChgExt,      w.cboChgExt,
                                     w.chkRegex};
  auto* line = new PreviewLinePart(controls, window, &window);
  line->SetMenus(core::OperatingMode::SequentialRename,
                 {w.mnuPreViewList, w.mnuPVListItem, w.pmnPreViewList, w.pmnPVListItem});
  line->SetMenus(core::OperatingMode::StringReplacement,
                 {w.mnuChgStrPVList, w.mnuChgStrPVListItem, w.pmnChgStrPVList, w.pmnChgStrPVListItem});
  line->SetMenus(core::OperatingMode::StringAddition,
                 {w.mnuAddStrPVList, w.mnuAddStrPVListItem, w.pmnAddStrPVList, w.pmnAddStrPVListItem});
  return line;
}

TargetListPart* CreateTargetList(TfrmMain& window, core::FileSystem& fileSystem, FileDialogs& fileDialogs,
                                 core::SettingsStore& settings) {
  const TfrmMain& w = window;
  const TargetListControls controls{w.lstChoiceFile,
                                    w.cboChoiceFile,
                                    w.bitChoiceFiles,
                                    w.bitChoiceFolder,
                                    w.btnSelectFileDel,
                                    w.pmnCFSelectFileDel,
                                    w.pmnCFStartProcess,
                                    w.btnListClear,
                                    w.pmnCFListClear,
                                    w.btnStart,
                                    {w.bitListToTop, w.bitListUp, w.bitListDown, w.bitListToBottom},
                                    {w.pmnCFListToTop, w.pmnCFListUp, w.pmnCFListDown, w.pmnCFListToBottom},
                                    w.stbPanel1,
                                    w.stbMain};
  return new TargetListPart(controls, window, fileSystem, {fileDialogs, settings}, &window);
}

void LoadFieldHistories(Ui_TfrmMain& ui, const core::IniDocument& document) {
  ui.cboStartSeqNbr->addItems({QStringLiteral("1"), QStringLiteral("01"), QStringLiteral("001")});
  LoadHistoryInto(ui.cboStartSeqNbr, document, keys::kCopyFileStartSeqNbr);
  LoadHistoryInto(ui.cboKyotsuName, document, keys::kCopyFileKyotsuName);
  LoadHistoryInto(ui.cboKyotsuName2, document, keys::kCopyFileKyotsuName2);
  ui.cboExtension->addItem(Utf8(keys::kMarkerAllFiles));
  LoadHistoryInto(ui.cboExtension, document, keys::kCopyFileExtension);
  LoadHistoryInto(ui.cboChgExt, document, keys::kCopyFileChgExt);

  ui.chkChgExt->setChecked(document.Read(keys::kCopyFileChkChgExt));

  LoadHistoryInto(ui.cboChoiceFile, document, keys::kCopyFileChoiceFolder, /*takesText=*/false);
  LoadHistoryInto(ui.cboOutputDir, document, keys::kCopyFileOutputFolder);
  LoadHistoryInto(ui.cboAddStr, document, keys::kAddStrAddStr);
  LoadHistoryInto(ui.cboAddStr2, document, keys::kAddStrAddStr2);
  LoadHistoryInto(ui.cboChgStr, document, keys::kChgStrChgStr);
  LoadHistoryInto(ui.cboChgStr2, document, keys::kChgStrChgStr2);
  ui.chkChgStr->setChecked(document.Read(keys::kChgStrStrAULCase));
}

void ApplyDefaults(Ui_TfrmMain& ui, const core::IniDocument& document) {
  const std::tuple<keys::StringKey, keys::BoolKey, QComboBox*> defaults[] = {
      {keys::kSettingStartSeqNbr, keys::kSettingStartSeqNbrChk, ui.cboStartSeqNbr},
      {keys::kSettingKyotsuName, keys::kSettingKyotsuNameChk, ui.cboKyotsuName},
      {keys::kSettingKyotsuName2, keys::kSettingKyotsuName2Chk, ui.cboKyotsuName2},
      {keys::kSettingExtension, keys::kSettingExtensionChk, ui.cboExtension},
      {keys::kSettingChgExt, keys::kSettingChgExtChk, ui.cboChgExt},
      {keys::kSettingOutputFolder, keys::kSettingOutputFolderChk, ui.cboOutputDir},
  };
  for (const auto& [value, inForce, combo] : defaults) {
    if (document.Read(inForce)) combo->setEditText(ToQString(document.Read(value)));
  }
}

}  // namespace morvane::gui
