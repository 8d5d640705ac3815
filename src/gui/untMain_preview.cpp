// The preview line: the first new name, recomputed from the fields after every change
// that can alter it, and the click that steps the case options.
#include <QComboBox>
#include <QLabel>

#include "core/preview/preview_text.h"
#include "gui/qt_text.h"
#include "gui/untMain.h"

namespace morvane::gui {

void TfrmMain::RefreshPreview() {
  const bool replacement = m_mode == core::OperatingMode::ChangeStr;
  core::PreviewInputs inputs;
  inputs.front = ToBytes(cboKyotsuName->currentText());
  inputs.startNumber = ToBytes(cboStartSeqNbr->currentText());
  inputs.back = ToBytes(cboKyotsuName2->currentText());
  inputs.stringA = ToBytes((replacement ? cboChgStr : cboAddStr)->currentText());
  inputs.stringB = ToBytes((replacement ? cboChgStr2 : cboAddStr2)->currentText());
  inputs.nameCase = cboRenameUL->currentIndex();
  inputs.extensionOn = chkChgExt->isChecked();
  inputs.newExtension = ToBytes(cboChgExt->currentText());
  inputs.extensionCase = cboExtUL->currentIndex();
  // In the modes without a preview the (hidden) line keeps its text.
  const std::optional<std::string> preview = core::ComposePreview(m_mode, inputs);
  if (!preview) return;
  lblPreView->setText(ToQString(*preview));
  // The line has a fixed width; the hint shows a longer preview whole.
  lblPreView->setToolTip(lblPreView->text());
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
  cboChgExt->setEnabled(chkChgExt->isChecked() || m_mode == core::OperatingMode::ChgExt);
  RefreshPreview();
}

void TfrmMain::cboChgExtChange() { RefreshPreview(); }

void TfrmMain::cboStartSeqNbrChange() { RefreshPreview(); }

}  // namespace morvane::gui
