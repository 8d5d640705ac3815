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
    case OperatingMode::Rename:
      return QStringLiteral("リネーム機能");
    case OperatingMode::ChgExt:
      return QStringLiteral("拡張子一括変換機能");
    case OperatingMode::ULCase:
      return QStringLiteral("大文字・小文字一括変換機能");
    case OperatingMode::ChangeStr:
      return QStringLiteral("特定文字列変換機能");
    case OperatingMode::AddStr:
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
  if (mode == OperatingMode::ChgExt) return {79, 79, 96, 274, 265, 182};
  if (mode == OperatingMode::ULCase) return {11, 11, 96, 226, 216, 124};
  return {396, 396, 83, 490, 486, 0};
}

}  // namespace

QAction* TfrmMain::MainModeAction(OperatingMode mode) const {
  switch (mode) {
    case OperatingMode::Rename:
      return mnuRename;
    case OperatingMode::ChgExt:
      return mnuChgExt;
    case OperatingMode::ULCase:
      return mnuULCase;
    case OperatingMode::ChangeStr:
      return mnuChangeStr;
    case OperatingMode::AddStr:
      break;
  }
  return mnuAddStr;
}

QAction* TfrmMain::PopupModeAction(OperatingMode mode) const {
  switch (mode) {
    case OperatingMode::Rename:
      return pmnRename;
    case OperatingMode::ChgExt:
      return pmnChgExt;
    case OperatingMode::ULCase:
      return pmnULCase;
    case OperatingMode::ChangeStr:
      return pmnChangeStr;
    case OperatingMode::AddStr:
      break;
  }
  return pmnAddStr;
}

void TfrmMain::mnuRenameClick() { SelectMode(OperatingMode::Rename); }
void TfrmMain::mnuChgExtClick() { SelectMode(OperatingMode::ChgExt); }
void TfrmMain::mnuULCaseClick() { SelectMode(OperatingMode::ULCase); }
void TfrmMain::mnuChangeStrClick() { SelectMode(OperatingMode::ChangeStr); }
void TfrmMain::mnuAddStrClick() { SelectMode(OperatingMode::AddStr); }

// A second click on the checked item of another mode returns to renaming; on the
// checked rename item it changes nothing.
void TfrmMain::SelectMode(OperatingMode mode) {
  if (mode == m_mode && mode != OperatingMode::Rename) mode = OperatingMode::Rename;
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
       {M::Rename});
  show({lblPeriod, chkChgExt, lblPreView}, {M::Rename, M::ChangeStr, M::AddStr});
  show({lblChgExt}, {M::ChgExt});
  show({cboChgExt}, {M::Rename, M::ChgExt, M::ChangeStr, M::AddStr});
  show({btnULCaseSet, lblULCaseSet}, {M::ChgExt, M::ULCase});
  show({lblChgStr, cboChgStr, lblChgStrYa, lblChgStr2, cboChgStr2, chkChgStr}, {M::ChangeStr});
  show({lblAddStr, cboAddStr, lblAddStrFile, lblAddStr2, cboAddStr2, lblAddStr3}, {M::AddStr});

  // In the extension change mode the new extension is the whole point: always enabled.
  cboChgExt->setEnabled(mode == M::ChgExt || chkChgExt->isChecked());
  const bool namesFiles = In(mode, {M::ChgExt, M::ULCase});
  lblRenameUL->setText(namesFiles ? QStringLiteral("ファイル名の大小") : QStringLiteral("共通部分の大小"));

  const CaseControlPlaces places = PlacesOf(mode);
  MoveLeft(lblRenameUL, places.renameLabel);
  Place(cboRenameUL, places.renameCombo, places.comboWidth);
  MoveLeft(lblExtUL, places.extensionLabel);
  Place(cboExtUL, places.extensionCombo, places.comboWidth);
  if (namesFiles) MoveLeft(btnULCaseSet, places.syncButton);
  MoveLeft(cboChgExt, mode == M::ChgExt ? 11 : 328);

  // Beside the numbering order in the rename mode; alone on its row in the others.
  Place(cboChoiceFile, cboChoiceFile->x(), mode == M::Rename ? 265 : 375);

  chkDelFile->setEnabled(mode != M::ULCase);
  ApplyOutputFolderRule();
  ApplyPreviewHistoryMenus();
}

void TfrmMain::ApplyOutputFolderRule() {
  const bool copies = !chkDelFile->isChecked() && m_mode != OperatingMode::ULCase;
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
  mnuPreViewList->menuAction()->setVisible(In(m_mode, {M::Rename, M::ChgExt, M::ULCase}));
  mnuPreViewList->menuAction()->setEnabled(m_mode == M::Rename);
  mnuChgStrPVList->menuAction()->setVisible(m_mode == M::ChangeStr);
  mnuAddStrPVList->menuAction()->setVisible(m_mode == M::AddStr);
}

QMenu* TfrmMain::CurrentPreviewPopup() {
  if (m_mode == OperatingMode::ChangeStr) return pmnChgStrPVList;
  if (m_mode == OperatingMode::AddStr) return pmnAddStrPVList;
  return pmnPreViewList;
}

}  // namespace morvane::gui
