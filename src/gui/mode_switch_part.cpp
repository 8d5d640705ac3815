// The six operating modes: selecting one, and the window's layout in each.
#include "gui/mode_switch_part.h"

#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <initializer_list>

#include "core/run/run_settings.h"
#include "core/settings/settings_keys.h"
#include "gui/target_list_part.h"
#include "ui_untMain.h"

namespace morvane::gui {
namespace {

using core::OperatingMode;
namespace keys = core::keys;

// The texts of a mode: its item in the status bar's pop-up, and the status bar's panel.
struct ModeTexts {
  const char* popupName;
  const char* popupCaption;
  const char* panel;
};

ModeTexts TextsOf(OperatingMode mode) {
  switch (mode) {
    case OperatingMode::SequentialRename:
      return {"pmnRename", "リネーム機能(&R)", "リネーム機能"};
    case OperatingMode::ExtensionChange:
      return {"pmnChgExt", "拡張子一括変換機能(&E)", "拡張子一括変換機能"};
    case OperatingMode::CaseConversion:
      return {"pmnULCase", "大文字・小文字一括変換機能(&U)", "大文字・小文字一括変換機能"};
    case OperatingMode::StringReplacement:
      return {"pmnChangeStr", "特定文字列変換機能(&C)", "特定文字列変換機能"};
    case OperatingMode::StringAddition:
      return {"pmnAddStr", "文字列追加機能(&A)", "文字列追加機能"};
    case OperatingMode::CharacterConversion:
    case OperatingMode::ListedNames:  // the command line's alone, never the window's
      break;
  }
  return {"pmnCharConv", "文字種変換機能(&J)", "文字種変換機能"};
}

// Where each mode's check mark is kept in the settings file (the rename mode is the one
// with none on).
struct StoredMode {
  keys::BoolKey key;
  OperatingMode mode;
};
// In the order they are restored; the last one on wins.
const StoredMode kStoredModes[] = {
    {keys::kOptionChgExt, OperatingMode::ExtensionChange},
    {keys::kOptionULCase, OperatingMode::CaseConversion},
    {keys::kOptionChgStr, OperatingMode::StringReplacement},
    {keys::kOptionAddStr, OperatingMode::StringAddition},
    {keys::kOptionCharConv, OperatingMode::CharacterConversion},
};

std::size_t IndexOf(OperatingMode mode) { return static_cast<std::size_t>(mode); }

bool In(OperatingMode mode, std::initializer_list<OperatingMode> modes) {
  for (OperatingMode m : modes) {
    if (m == mode) return true;
  }
  return false;
}

void MoveLeft(QWidget* widget, int left) { widget->move(left, widget->y()); }

void Place(QWidget* widget, int left, int width) {
  widget->setGeometry(left, widget->y(), width, widget->height());
}

// The places of the case controls, which move to the left in the modes that have no
// name fields.
struct CaseControlPlaces {
  int renameLabel;
  int renameCombo;
  int comboWidth;
  int extensionLabel;
  int extensionCombo;
  int syncButton;
};

CaseControlPlaces PlacesOf(OperatingMode mode) {
  if (mode == OperatingMode::ExtensionChange) return {79, 79, 96, 274, 265, 182};
  if (mode == OperatingMode::CaseConversion) return {11, 11, 96, 226, 216, 124};
  return {396, 396, 83, 490, 486, 0};
}

}  // namespace

ModeSwitchPart::ModeSwitchPart(Ui_TfrmMain& ui, QWidget* incrementUpDown, QLabel* statusPanel,
                               TargetListPart& targetList, ModeSwitchHost& host, QWidget* window)
    : QObject(window),
      m_ui(ui),
      m_upDown(incrementUpDown),
      m_statusPanel(statusPanel),
      m_targetList(targetList),
      m_host(host) {
  CreatePopup(window);
  QAction* const mainItems[] = {ui.mnuRename,    ui.mnuChgExt, ui.mnuULCase,
                                ui.mnuChangeStr, ui.mnuAddStr, ui.mnuCharConv};
  for (OperatingMode mode : core::kAllModes) {
    ModeItems& items = m_items[IndexOf(mode)];
    items.mainItem = mainItems[IndexOf(mode)];
    for (QAction* item : {items.mainItem, items.popupItem})
      connect(item, &QAction::triggered, this, [this, mode] { Select(mode); });
  }
  m_statusPanel->setText(QString::fromUtf8(TextsOf(m_mode).panel));
  ApplyLayout();
  QWidget* statusBar = ui.stbMain;
  statusBar->installEventFilter(this);
  statusBar->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(statusBar, &QWidget::customContextMenuRequested, this,
          [this, statusBar](const QPoint& at) { m_popup->popup(statusBar->mapToGlobal(at)); });
}

void ModeSwitchPart::CreatePopup(QWidget* window) {
  m_popup = new QMenu(window);
  m_popup->setObjectName(QStringLiteral("pmnFunction"));
  for (OperatingMode mode : core::kAllModes) {
    const ModeTexts texts = TextsOf(mode);
    QAction* item = m_popup->addAction(QString::fromUtf8(texts.popupCaption));
    item->setObjectName(QString::fromLatin1(texts.popupName));
    item->setCheckable(true);
    item->setChecked(mode == m_mode);
    m_items[IndexOf(mode)].popupItem = item;
  }
}

QAction* ModeSwitchPart::PopupItem(OperatingMode mode) const { return m_items[IndexOf(mode)].popupItem; }

bool ModeSwitchPart::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_ui.stbMain && event->type() == QEvent::MouseButtonRelease) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton && mouse->position().x() < m_statusPanel->width())
      Select(core::NextMode(m_mode));
  }
  return QObject::eventFilter(watched, event);
}

void ModeSwitchPart::Select(OperatingMode mode) {
  if (mode == m_mode && mode != OperatingMode::SequentialRename) mode = OperatingMode::SequentialRename;
  const bool changes = mode != m_mode;
  m_mode = mode;
  // Qt toggles a checkable item on every click; the check marks follow the mode only.
  for (OperatingMode each : core::kAllModes) {
    m_items[IndexOf(each)].mainItem->setChecked(each == m_mode);
    m_items[IndexOf(each)].popupItem->setChecked(each == m_mode);
  }
  if (!changes) return;
  m_statusPanel->setText(QString::fromUtf8(TextsOf(m_mode).panel));
  ApplyLayout();
  m_targetList.ApplyArrangement();
  m_host.RefreshPreview();
  if (!m_targetList.List().Empty()) m_ui.btnStart->setEnabled(true);
  m_targetList.RefreshSelectionInfo();
}

void ModeSwitchPart::Restore(const core::IniDocument& document) {
  for (const StoredMode& stored : kStoredModes) {
    if (document.Read(stored.key)) Select(stored.mode);
  }
}

void ModeSwitchPart::Save(core::IniDocument& document) const {
  // In the order the settings file has always had them, the character conversion last.
  for (const std::size_t index : {1, 0, 2, 3, 4})
    document.Write(kStoredModes[index].key, m_mode == kStoredModes[index].mode);
}

void ModeSwitchPart::ApplyLayout() {
  using M = OperatingMode;
  Ui_TfrmMain& ui = m_ui;
  const M mode = m_mode;
  auto show = [mode](std::initializer_list<QWidget*> widgets, std::initializer_list<M> modes) {
    for (QWidget* widget : widgets) widget->setVisible(In(mode, modes));
  };
  show({ui.lblKyotsuName, ui.cboKyotsuName, ui.lblStartSeqNbr, ui.cboStartSeqNbr, ui.lblKyotsuName2,
        ui.cboKyotsuName2, ui.lblZoubun, ui.edtZoubun, m_upDown, ui.lblSortType, ui.cboSortType,
        ui.chkSortDse},
       {M::SequentialRename});
  show({ui.lblPeriod, ui.chkChgExt}, {M::SequentialRename, M::StringReplacement, M::StringAddition});
  show({ui.lblPreView},
       {M::SequentialRename, M::StringReplacement, M::StringAddition, M::CharacterConversion});
  show({ui.lblChgExt}, {M::ExtensionChange});
  show({ui.cboChgExt}, {M::SequentialRename, M::ExtensionChange, M::StringReplacement, M::StringAddition});
  show({ui.btnULCaseSet, ui.lblULCaseSet}, {M::ExtensionChange, M::CaseConversion});
  show({ui.lblChgStr, ui.cboChgStr, ui.lblChgStrYa, ui.lblChgStr2, ui.cboChgStr2, ui.chkChgStr, ui.chkRegex},
       {M::StringReplacement});
  show({ui.lblAddStr, ui.cboAddStr, ui.lblAddStrFile, ui.lblAddStr2, ui.cboAddStr2, ui.lblAddStr3},
       {M::StringAddition});
  show({ui.lblConvAlnum, ui.cboConvAlnum, ui.lblConvSymbols, ui.cboConvSymbols, ui.lblConvSpace,
        ui.cboConvSpace, ui.lblConvKatakana, ui.cboConvKatakana, ui.lblConvKana, ui.cboConvKana,
        ui.lblConvNormalize, ui.cboConvNormalize, ui.lblConvLetters, ui.cboConvLetters, ui.chkConvExt},
       {M::CharacterConversion});
  // The character conversion has its own letter case choice.
  const bool hasCases = mode != M::CharacterConversion;
  for (QWidget* widget : {static_cast<QWidget*>(ui.lblRenameUL), static_cast<QWidget*>(ui.cboRenameUL),
                          static_cast<QWidget*>(ui.lblExtUL), static_cast<QWidget*>(ui.cboExtUL)}) {
    widget->setVisible(hasCases);
  }

  // In the extension change mode the new extension is the whole point: always enabled.
  ui.cboChgExt->setEnabled(mode == M::ExtensionChange || ui.chkChgExt->isChecked());
  const bool namesFiles = In(mode, {M::ExtensionChange, M::CaseConversion});
  ui.lblRenameUL->setText(namesFiles ? QStringLiteral("ファイル名の大小") : QStringLiteral("共通部分の大小"));

  const CaseControlPlaces places = PlacesOf(mode);
  MoveLeft(ui.lblRenameUL, places.renameLabel);
  Place(ui.cboRenameUL, places.renameCombo, places.comboWidth);
  MoveLeft(ui.lblExtUL, places.extensionLabel);
  Place(ui.cboExtUL, places.extensionCombo, places.comboWidth);
  if (namesFiles) MoveLeft(ui.btnULCaseSet, places.syncButton);
  MoveLeft(ui.cboChgExt, mode == M::ExtensionChange ? 11 : 328);

  // Beside the numbering order in the rename mode; alone on its row in the others.
  Place(ui.cboChoiceFile, ui.cboChoiceFile->x(), mode == M::SequentialRename ? 265 : 375);

  ui.chkDelFile->setEnabled(!core::AlwaysRenamesInPlace(mode));
  ApplyOutputFolderRule();
  ApplyPreviewHistoryMenus();
}

void ModeSwitchPart::ApplyOutputFolderRule() {
  const bool copies = !core::RenamesInPlace(m_mode, m_ui.chkDelFile->isChecked());
  for (QWidget* widget : {static_cast<QWidget*>(m_ui.lblOutputDir), static_cast<QWidget*>(m_ui.cboOutputDir),
                          static_cast<QWidget*>(m_ui.bitOutputDir)}) {
    widget->setEnabled(copies);
  }
}

void ModeSwitchPart::ApplyPreviewHistoryMenus() {
  using M = OperatingMode;
  QAction* numbering = m_ui.mnuPreViewList->menuAction();
  numbering->setVisible(
      In(m_mode, {M::SequentialRename, M::ExtensionChange, M::CaseConversion, M::CharacterConversion}));
  numbering->setEnabled(m_mode == M::SequentialRename);
  m_ui.mnuChgStrPVList->menuAction()->setVisible(m_mode == M::StringReplacement);
  m_ui.mnuAddStrPVList->menuAction()->setVisible(m_mode == M::StringAddition);
}

}  // namespace morvane::gui
