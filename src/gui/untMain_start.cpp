// The Start button: the request from the fields, handed to the run controller, and what
// the controller asks of the window (the field texts and focus of the start checks, the
// numbering's confirmation, the end of a run).
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QTimer>

#include "core/names/protected_extensions.h"
#include "core/run/confirmation_texts.h"
#include "core/settings/protected_extension_settings.h"
#include "core/text/trim.h"
#include "gui/combo_items.h"
#include "gui/qt_text.h"
#include "gui/target_list_part.h"
#include "gui/untConfirmation.h"
#include "gui/untMain.h"
#include "gui/untPEndMessage.h"

namespace morvane::gui {

void TfrmMain::btnStartClick() {
  // The plan window's plan, due or being made, would read the files as the run changes
  // them; it is made again once the run is over.
  m_plan->StopListPlan();
  ReloadLogSettings();
  m_runs.Start(StartRequestNow(), core::LoadProtectedExtensions(m_settings), m_files,
               m_logSettings.outputLog);
  // Whatever the run changed, even one stopped by a log error, can now be undone.
  m_undo->RefreshItem();
}

core::OperatingMode TfrmMain::RunModeNow() const {
  if (mnuULCase->isChecked()) return core::OperatingMode::CaseConversion;
  if (mnuChgExt->isChecked()) return core::OperatingMode::ExtensionChange;
  if (mnuChangeStr->isChecked()) return core::OperatingMode::StringReplacement;
  if (mnuAddStr->isChecked()) return core::OperatingMode::StringAddition;
  return core::OperatingMode::SequentialRename;
}

core::StartRequest TfrmMain::StartRequestNow() const {
  core::StartRequest request;
  request.mode = RunModeNow();
  request.startNumber = EditTextBytes(cboStartSeqNbr);
  request.frontPart = EditTextBytes(cboKyotsuName);
  request.backPart = EditTextBytes(cboKyotsuName2);
  request.increment = ToBytes(edtZoubun->text());
  request.sortType = m_options.sortType;
  request.descending = m_options.sortDescending;
  request.changeExtension = chkChgExt->isChecked();
  request.newExtension = EditTextBytes(cboChgExt);
  const bool replacement = request.mode == core::OperatingMode::StringReplacement;
  request.stringA = EditTextBytes(replacement ? cboChgStr : cboAddStr);
  request.stringB = EditTextBytes(replacement ? cboChgStr2 : cboAddStr2);
  request.caseSensitive = chkChgStr->isChecked();
  request.nameCase = cboRenameUL->currentIndex();
  request.extensionCase = cboExtUL->currentIndex();
  request.nameCaseLabel = ToBytes(cboRenameUL->currentText());
  request.extensionCaseLabel = ToBytes(cboExtUL->currentText());
  request.renameInPlace = m_options.renameInPlace;
  request.outputFolder = EditTextBytes(cboOutputDir);
  request.fileTypes = EditTextBytes(cboExtension);
  request.targets = Targets().Paths();
  return request;
}

void TfrmMain::ShowFieldText(core::StartField field, std::string_view text) {
  if (field == core::StartField::OutputFolder) SetEditTextBytes(cboOutputDir, std::string(text));
  if (field == core::StartField::NewExtension) SetEditTextBytes(cboChgExt, std::string(text));
}

void TfrmMain::FocusStartField(core::StartField field, std::optional<std::size_t> targetIndex) {
  const bool replacement = RunModeNow() == core::OperatingMode::StringReplacement;
  QWidget* control = nullptr;
  switch (field) {
    case core::StartField::TargetList:
      if (targetIndex) {
        m_targetList->List().SelectOnly(*targetIndex);
        m_targetList->Show();
      }
      control = lstChoiceFile;
      break;
    case core::StartField::TargetsButton:
      control = bitChoiceFiles;
      break;
    case core::StartField::OutputFolder:
      control = cboOutputDir;
      break;
    case core::StartField::OutputFolderButton:
      control = bitOutputDir;
      break;
    case core::StartField::StartNumber:
      control = cboStartSeqNbr;
      break;
    case core::StartField::FrontPart:
      control = cboKyotsuName;
      break;
    case core::StartField::BackPart:
      control = cboKyotsuName2;
      break;
    case core::StartField::Increment:
      control = edtZoubun;
      break;
    case core::StartField::NewExtension:
      control = cboChgExt;
      break;
    case core::StartField::StringA:
      control = replacement ? cboChgStr : cboAddStr;
      break;
    case core::StartField::StringB:
      control = replacement ? cboChgStr2 : cboAddStr2;
      break;
    case core::StartField::NameCase:
      control = cboRenameUL;
      break;
    case core::StartField::FileTypes:
      control = cboExtension;
      break;
    case core::StartField::None:
      break;
  }
  if (control != nullptr) control->setFocus();
}

bool TfrmMain::ConfirmNumbering(const core::RunSettings& settings) {
  // The counts come from a plan made meanwhile; a large run's confirmation comes up
  // before it is ready and takes the counts when they are.
  m_plan->StartConfirmationPlan();
  frmConfirmation->SetTexts(core::MakeConfirmationTexts(
      settings, EditTextBytes(cboExtension), ToBytes(lblPreView->text()), m_logSettings.outputLog));
  const bool confirmed = frmConfirmation->ShowConfirmation();
  // Answered before the plan was ready: the run itself will tell.
  m_plan->StopConfirmationPlan();
  return confirmed;
}

void TfrmMain::FinishRun(const std::string& endMessage) {
  // Each run is chosen afresh.
  m_plan->ForgetChains();
  WindowMessagePresenter presenter(m_messages);
  core::ShowResultFile(m_logSettings, LogContext(presenter));
  frmPEndMessage->ShowEndMessage(endMessage);
  ProgressEnd();
  ShowFreeSpace();
  RefreshSelectionInfo();
  m_plan->MayHaveChanged();
}

}  // namespace morvane::gui
