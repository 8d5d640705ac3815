// The five operating modes: selecting one, and the window's layout in each.
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <initializer_list>

#include "gui/untMain.h"
#include "gui/up_down.h"

namespace morvane::gui {
namespace {

using core::OperatingMode;

QString PanelText(OperatingMode mode) {
  switch (mode) {
    case OperatingMode::SequentialRename:
      return QStringLiteral("リネーム機能");
    case OperatingMode::ExtensionChange:
      return QStringLiteral("拡張子一括変換機能");
    case OperatingMode::CaseConversion:
      return QStringLiteral("大文字・小文字一括変換機能");
    case OperatingMode::StringReplacement:
      return QStringLiteral("特定文字列変換機能");
    case OperatingMode::StringAddition:
      break;
  }
  return QStringLiteral("文字列追加機能");
}

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

QAction* TfrmMain::MainModeAction(OperatingMode mode) const {
  switch (mode) {
    case OperatingMode::SequentialRename:
      return mnuRename;
    case OperatingMode::ExtensionChange:
      return mnuChgExt;
    case OperatingMode::CaseConversion:
      return mnuULCase;
    case OperatingMode::StringReplacement:
      return mnuChangeStr;
    case OperatingMode::StringAddition:
      break;
  }
  return mnuAddStr;
}

QAction* TfrmMain::PopupModeAction(OperatingMode mode) const {
  switch (mode) {
    case OperatingMode::SequentialRename:
      return pmnRename;
    case OperatingMode::ExtensionChange:
      return pmnChgExt;
    case OperatingMode::CaseConversion:
      return pmnULCase;
    case OperatingMode::StringReplacement:
      return pmnChangeStr;
    case OperatingMode::StringAddition:
      break;
  }
  return pmnAddStr;
}

void TfrmMain::mnuRenameClick() { SelectMode(OperatingMode::SequentialRename); }
void TfrmMain::mnuChgExtClick() { SelectMode(OperatingMode::ExtensionChange); }
void TfrmMain::mnuULCaseClick() { SelectMode(OperatingMode::CaseConversion); }
void TfrmMain::mnuChangeStrClick() { SelectMode(OperatingMode::StringReplacement); }
void TfrmMain::mnuAddStrClick() { SelectMode(OperatingMode::StringAddition); }

// A second click on the checked item of another mode returns to renaming; on the
// checked rename item it changes nothing.
void TfrmMain::SelectMode(OperatingMode mode) {
  if (mode == m_mode && mode != OperatingMode::SequentialRename) mode = OperatingMode::SequentialRename;
  const bool changes = mode != m_mode;
  m_mode = mode;
  // Qt toggles a checkable item on every click; the check marks follow the mode only.
  for (OperatingMode each : core::kAllModes) {
    MainModeAction(each)->setChecked(each == m_mode);
    PopupModeAction(each)->setChecked(each == m_mode);
  }
  if (!changes) return;
  stbPanel0->setText(PanelText(m_mode));
  ApplyModeLayout();
  ApplyListArrangement();
  RefreshPreview();
  if (!Targets().Empty()) btnStart->setEnabled(true);
  RefreshSelectionInfo();
}

void TfrmMain::stbMainMouseUp(Qt::MouseButton button, int x) {
  if (button == Qt::LeftButton && x < stbPanel0->width()) SelectMode(core::NextMode(m_mode));
}

void TfrmMain::ApplyModeLayout() {
  using M = OperatingMode;
  const M mode = m_mode;
  auto show = [mode](std::initializer_list<QWidget*> widgets, std::initializer_list<M> modes) {
    for (QWidget* widget : widgets) widget->setVisible(In(mode, modes));
  };
  show({lblKyotsuName, cboKyotsuName, lblStartSeqNbr, cboStartSeqNbr, lblKyotsuName2, cboKyotsuName2,
        lblZoubun, edtZoubun, updZoubun, lblSortType, cboSortType, chkSortDse},
       {M::SequentialRename});
  show({lblPeriod, chkChgExt, lblPreView}, {M::SequentialRename, M::StringReplacement, M::StringAddition});
  show({lblChgExt}, {M::ExtensionChange});
  show({cboChgExt}, {M::SequentialRename, M::ExtensionChange, M::StringReplacement, M::StringAddition});
  show({btnULCaseSet, lblULCaseSet}, {M::ExtensionChange, M::CaseConversion});
  show({lblChgStr, cboChgStr, lblChgStrYa, lblChgStr2, cboChgStr2, chkChgStr}, {M::StringReplacement});
  show({lblAddStr, cboAddStr, lblAddStrFile, lblAddStr2, cboAddStr2, lblAddStr3}, {M::StringAddition});

  // In the extension change mode the new extension is the whole point: always enabled.
  cboChgExt->setEnabled(mode == M::ExtensionChange || chkChgExt->isChecked());
  const bool namesFiles = In(mode, {M::ExtensionChange, M::CaseConversion});
  lblRenameUL->setText(namesFiles ? QStringLiteral("ファイル名の大小") : QStringLiteral("共通部分の大小"));

  const CaseControlPlaces places = PlacesOf(mode);
  MoveLeft(lblRenameUL, places.renameLabel);
  Place(cboRenameUL, places.renameCombo, places.comboWidth);
  MoveLeft(lblExtUL, places.extensionLabel);
  Place(cboExtUL, places.extensionCombo, places.comboWidth);
  if (namesFiles) MoveLeft(btnULCaseSet, places.syncButton);
  MoveLeft(cboChgExt, mode == M::ExtensionChange ? 11 : 328);

  // Beside the numbering order in the rename mode; alone on its row in the others.
  Place(cboChoiceFile, cboChoiceFile->x(), mode == M::SequentialRename ? 265 : 375);

  chkDelFile->setEnabled(!core::AlwaysRenamesInPlace(mode));
  ApplyOutputFolderRule();
  ApplyPreviewHistoryMenus();
}

void TfrmMain::ApplyOutputFolderRule() {
  const bool copies = !core::RenamesInPlace(m_mode, chkDelFile->isChecked());
  for (QWidget* widget : {static_cast<QWidget*>(lblOutputDir), static_cast<QWidget*>(cboOutputDir),
                          static_cast<QWidget*>(bitOutputDir)}) {
    widget->setEnabled(copies);
  }
}

// The reorder arrangement (one selection, dragging) holds exactly in the rename mode
// with the user order; everywhere else the list selects freely and cannot be dragged.
bool TfrmMain::InUserOrderState() const {
  return core::IsUserOrderState(m_mode, cboSortType->currentIndex());
}

void TfrmMain::ApplyListArrangement() { m_targetList->ApplyArrangement(); }

void TfrmMain::ApplyPreviewHistoryMenus() {
  using M = OperatingMode;
  mnuPreViewList->menuAction()->setVisible(
      In(m_mode, {M::SequentialRename, M::ExtensionChange, M::CaseConversion}));
  mnuPreViewList->menuAction()->setEnabled(m_mode == M::SequentialRename);
  mnuChgStrPVList->menuAction()->setVisible(m_mode == M::StringReplacement);
  mnuAddStrPVList->menuAction()->setVisible(m_mode == M::StringAddition);
}

QMenu* TfrmMain::CurrentPreviewPopup() {
  if (m_mode == OperatingMode::StringReplacement) return pmnChgStrPVList;
  if (m_mode == OperatingMode::StringAddition) return pmnAddStrPVList;
  return pmnPreViewList;
}

}  // namespace morvane::gui
