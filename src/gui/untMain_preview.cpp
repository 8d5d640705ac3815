// The preview line's slots and wiring; the line and its histories are the
// PreviewLinePart. The click on the line steps the case options.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

#include "core/preview/preview_text.h"
#include "gui/preview_line_part.h"
#include "gui/untMain.h"

namespace morvane::gui {

using core::OperatingMode;

void TfrmMain::CreatePreviewLine() {
  const PreviewLineControls controls{lblPreView,  cboKyotsuName, cboStartSeqNbr, cboKyotsuName2,
                                     cboChgStr,   cboChgStr2,    cboAddStr,      cboAddStr2,
                                     cboRenameUL, cboExtUL,      chkChgExt,      cboChgExt};
  m_previewLine = new PreviewLinePart(controls, *this, this);
  m_previewLine->SetMenus(OperatingMode::SequentialRename,
                          {mnuPreViewList, mnuPVListItem, pmnPreViewList, pmnPVListItem});
  m_previewLine->SetMenus(OperatingMode::StringReplacement,
                          {mnuChgStrPVList, mnuChgStrPVListItem, pmnChgStrPVList, pmnChgStrPVListItem});
  m_previewLine->SetMenus(OperatingMode::StringAddition,
                          {mnuAddStrPVList, mnuAddStrPVListItem, pmnAddStrPVList, pmnAddStrPVListItem});
}

void TfrmMain::ConnectHistoryItem(OperatingMode mode, QAction* item) {
  void (TfrmMain::*handler)() = &TfrmMain::pmnPVListItemClick;
  if (mode == OperatingMode::StringReplacement) handler = &TfrmMain::pmnChgStrPVListItemClick;
  if (mode == OperatingMode::StringAddition) handler = &TfrmMain::pmnAddStrPVListItemClick;
  connect(item, &QAction::triggered, this, handler);
}

void TfrmMain::ChangeExtensionSet() { chkChgExtClick(); }

void TfrmMain::RefreshPreview() {
  m_previewLine->Refresh();
  if (m_plan != nullptr) m_plan->MayHaveChanged();
}

const core::PreviewHistoryList& TfrmMain::PreviewHistory(OperatingMode mode) const {
  return m_previewLine->History(mode);
}
core::PreviewEntryFields TfrmMain::CurrentPreviewFields(OperatingMode mode) const {
  return m_previewLine->CurrentFields(mode);
}
void TfrmMain::RecordPreview(OperatingMode mode, const core::PreviewEntryFields& fields) {
  m_previewLine->Record(mode, fields);
}
void TfrmMain::LoadPreviewHistories() { m_previewLine->Load(m_settings.Load()); }
bool TfrmMain::SavePreviewHistory(OperatingMode mode) { return m_previewLine->Save(mode); }

void TfrmMain::pmnPVListItemClick() {
  m_previewLine->RestoreEntry(OperatingMode::SequentialRename, qobject_cast<QAction*>(sender()));
}
void TfrmMain::pmnChgStrPVListItemClick() {
  m_previewLine->RestoreEntry(OperatingMode::StringReplacement, qobject_cast<QAction*>(sender()));
}
void TfrmMain::pmnAddStrPVListItemClick() {
  m_previewLine->RestoreEntry(OperatingMode::StringAddition, qobject_cast<QAction*>(sender()));
}

void TfrmMain::CyclePreviewCase() {
  const std::optional<core::CaseCycleStep> step =
      core::CyclePreviewCase(cboRenameUL->currentIndex(), cboExtUL->currentIndex());
  if (!step) return;
  if (step->nameCaseChanged) {
    cboRenameUL->setCurrentIndex(step->nameCase);
    cboExtUL->setCurrentIndex(step->extensionCase);
    cboRenameULChange();
  } else {
    cboExtUL->setCurrentIndex(step->extensionCase);
  }
  cboExtULChange();
}

void TfrmMain::lblPreViewMouseUp(Qt::MouseButton button) {
  if (button == Qt::LeftButton) CyclePreviewCase();
}

void TfrmMain::chkChgExtClick() {
  cboChgExt->setEnabled(chkChgExt->isChecked() || m_mode == core::OperatingMode::ExtensionChange);
  RefreshPreview();
}

void TfrmMain::cboChgExtChange() { RefreshPreview(); }

void TfrmMain::cboStartSeqNbrChange() { RefreshPreview(); }

}  // namespace morvane::gui
