// The Start button: the request from the fields, handed to the run controller; what the
// controller asks of the window (the field texts and focus of the start checks, the
// numbering's confirmation, the end of a run); and what a run keeps once its last file is
// done: the values of its fields moved to the heads of their histories, the histories
// written to the settings file, the preview history of the modes that have one.
#include "gui/main_run_part.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <algorithm>

#include "core/names/extension_filter.h"
#include "core/run/confirmation_texts.h"
#include "gui/combo_items.h"
#include "gui/menu_commands_part.h"
#include "gui/plan_part.h"
#include "gui/preview_line_part.h"
#include "gui/qt_text.h"
#include "gui/target_list_part.h"
#include "gui/undo_part.h"
#include "gui/untConfirmation.h"
#include "gui/untMain.h"
#include "gui/untPEndMessage.h"

namespace morvane::gui {
namespace {

bool IsFileTypesText(const std::string& text) { return !text.empty() && text != core::AllFilesText(); }

}  // namespace

MainRunPart::MainRunPart(TfrmMain& window, const MainRunParts& parts, core::FileSystem& fileSystem)
    : m_window(window), m_parts(parts), m_runs(*this, fileSystem) {}

void MainRunPart::Start() {
  // The plan window's plan, due or being made, would read the files as the run changes
  // them; it is made again once the run is over.
  m_parts.plan.StopListPlan();
  m_window.ReloadLogSettings();
  m_runs.Start(RequestNow(), m_window.ProtectedTypes(), m_window.Files(), m_window.LogOptions().outputLog);
  // Whatever the run changed, even one stopped by a log error, can now be undone.
  m_parts.undo.RefreshItem();
}

core::StartRequest MainRunPart::RequestNow() const {
  core::StartRequest request;
  request.mode = m_window.Mode();
  request.startNumber = EditTextBytes(m_window.cboStartSeqNbr);
  request.frontPart = EditTextBytes(m_window.cboKyotsuName);
  request.backPart = EditTextBytes(m_window.cboKyotsuName2);
  request.increment = ToBytes(m_window.edtZoubun->text());
  request.sortType = m_window.Options().sortType;
  request.descending = m_window.Options().sortDescending;
  request.changeExtension = m_window.chkChgExt->isChecked();
  request.newExtension = EditTextBytes(m_window.cboChgExt);
  const bool replacement = request.mode == core::OperatingMode::StringReplacement;
  request.stringA = EditTextBytes(replacement ? m_window.cboChgStr : m_window.cboAddStr);
  request.stringB = EditTextBytes(replacement ? m_window.cboChgStr2 : m_window.cboAddStr2);
  request.caseSensitive = m_window.chkChgStr->isChecked();
  request.regex = m_window.chkRegex->isChecked();
  const core::StoredConversion conversion = m_window.Conversion();
  request.conversion = conversion.conversion;
  request.convertExtension = conversion.extensionToo;
  request.nameCase = m_window.cboRenameUL->currentIndex();
  request.extensionCase = m_window.cboExtUL->currentIndex();
  request.nameCaseLabel = ToBytes(m_window.cboRenameUL->currentText());
  request.extensionCaseLabel = ToBytes(m_window.cboExtUL->currentText());
  request.renameInPlace = m_window.Options().renameInPlace;
  request.outputFolder = EditTextBytes(m_window.cboOutputDir);
  request.fileTypes = EditTextBytes(m_window.cboExtension);
  request.targets = m_window.Targets().Paths();
  return request;
}

void MainRunPart::ShowFieldText(core::StartField field, std::string_view text) {
  if (field == core::StartField::OutputFolder) SetEditTextBytes(m_window.cboOutputDir, std::string(text));
  if (field == core::StartField::NewExtension) SetEditTextBytes(m_window.cboChgExt, std::string(text));
}

void MainRunPart::FocusStartField(core::StartField field, std::optional<std::size_t> targetIndex) {
  const bool replacement = m_window.Mode() == core::OperatingMode::StringReplacement;
  QWidget* control = nullptr;
  switch (field) {
    case core::StartField::TargetList:
      if (targetIndex) {
        m_parts.targets.List().SelectOnly(*targetIndex);
        m_parts.targets.Show();
      }
      control = m_window.lstChoiceFile;
      break;
    case core::StartField::TargetsButton:
      control = m_window.bitChoiceFiles;
      break;
    case core::StartField::OutputFolder:
      control = m_window.cboOutputDir;
      break;
    case core::StartField::OutputFolderButton:
      control = m_window.bitOutputDir;
      break;
    case core::StartField::StartNumber:
      control = m_window.cboStartSeqNbr;
      break;
    case core::StartField::FrontPart:
      control = m_window.cboKyotsuName;
      break;
    case core::StartField::BackPart:
      control = m_window.cboKyotsuName2;
      break;
    case core::StartField::Increment:
      control = m_window.edtZoubun;
      break;
    case core::StartField::NewExtension:
      control = m_window.cboChgExt;
      break;
    case core::StartField::StringA:
      control = replacement ? m_window.cboChgStr : m_window.cboAddStr;
      break;
    case core::StartField::StringB:
      control = replacement ? m_window.cboChgStr2 : m_window.cboAddStr2;
      break;
    case core::StartField::NameCase:
      control = m_window.cboRenameUL;
      break;
    case core::StartField::FileTypes:
      control = m_window.cboExtension;
      break;
    case core::StartField::Conversion:
      control = m_window.cboConvAlnum;
      break;
    case core::StartField::None:
      break;
  }
  if (control != nullptr) control->setFocus();
}

bool MainRunPart::ConfirmNumbering(const core::RunSettings& settings) {
  // The counts come from a plan made meanwhile; a large run's confirmation comes up
  // before it is ready and takes the counts when they are.
  m_parts.plan.StartConfirmationPlan();
  m_window.frmConfirmation->SetTexts(
      core::MakeConfirmationTexts(settings, EditTextBytes(m_window.cboExtension),
                                  ToBytes(m_window.lblPreView->text()), m_window.LogOptions().outputLog));
  const bool confirmed = m_window.frmConfirmation->ShowConfirmation();
  // Answered before the plan was ready: the run itself will tell.
  m_parts.plan.StopConfirmationPlan();
  return confirmed;
}

void MainRunPart::FinishRun(const std::string& endMessage) {
  // Each run is chosen afresh.
  m_parts.plan.ForgetChains();
  m_parts.commands.ShowResultFile(m_window.LogOptions());
  m_window.frmPEndMessage->ShowEndMessage(endMessage);
  m_window.ProgressEnd();
  m_window.ShowFreeSpace();
  m_parts.targets.RefreshSelectionInfo();
  m_parts.plan.MayHaveChanged();
}

core::CopyFileFields MainRunPart::CopyFileFieldsNow() const {
  std::vector<std::string> fileTypes = AllItemBytes(m_window.cboExtension);
  if (!fileTypes.empty()) fileTypes.erase(fileTypes.begin());  // the fixed all-files item
  return {{std::move(fileTypes), EditTextBytes(m_window.cboExtension)},
          {AllItemBytes(m_window.cboChgExt), EditTextBytes(m_window.cboChgExt)},
          m_window.chkChgExt->isChecked(),
          {AllItemBytes(m_window.cboOutputDir), EditTextBytes(m_window.cboOutputDir)}};
}

void MainRunPart::RunFilesDone(const core::StartRequest& request, const core::ReadyRun& run) {
  const std::string& fileTypes = run.fileTypes;
  switch (run.mode) {
    case core::OperatingMode::SequentialRename:
      SaveNumberingHistories(run.numbering, fileTypes);
      break;
    case core::OperatingMode::ExtensionChange:
    case core::OperatingMode::CharacterConversion: {
      if (IsFileTypesText(fileTypes))
        m_window.RememberFieldValue(m_window.cboExtension, ToQString(fileTypes));
      if (run.mode == core::OperatingMode::ExtensionChange && !request.newExtension.empty())
        m_window.RememberFieldValue(m_window.cboChgExt, ToQString(request.newExtension));
      if (!run.others.outputFolder.empty())
        m_window.RememberFieldValue(m_window.cboOutputDir, m_window.cboOutputDir->currentText());
      const core::CopyFileFields fields = CopyFileFieldsNow();
      m_window.WriteSettings([&](core::IniDocument& document) {
        core::WriteCopyFileHistories(document, fields, document.GetCodePage());
      });
      break;
    }
    case core::OperatingMode::CaseConversion: {
      if (IsFileTypesText(fileTypes))
        m_window.RememberFieldValue(m_window.cboExtension, ToQString(fileTypes));
      const core::SavedField saved = CopyFileFieldsNow().fileTypes;
      m_window.WriteSettings([&](core::IniDocument& document) {
        core::WriteFileTypesHistory(document, saved, document.GetCodePage());
      });
      break;
    }
    case core::OperatingMode::StringReplacement:
    case core::OperatingMode::StringAddition:
      SaveNameEditHistories(run.mode == core::OperatingMode::StringReplacement, run.others, fileTypes);
      break;
    case core::OperatingMode::ListedNames:  // the command line's alone
      break;
  }
  m_window.ClearTargetList();
}

void MainRunPart::SaveNumberingHistories(const core::RunSettings& settings, const std::string& fileTypes) {
  m_window.RememberFieldValue(m_window.cboStartSeqNbr, ToQString(settings.startText));
  if (!settings.frontPart.empty())
    m_window.RememberFieldValue(m_window.cboKyotsuName, ToQString(settings.frontPart));
  if (!settings.backPart.empty())
    m_window.RememberFieldValue(m_window.cboKyotsuName2, ToQString(settings.backPart));
  if (IsFileTypesText(fileTypes)) m_window.RememberFieldValue(m_window.cboExtension, ToQString(fileTypes));
  if (m_window.chkChgExt->isChecked())
    m_window.RememberFieldValue(m_window.cboChgExt, ToQString(settings.newExtensionText));
  if (!settings.outputFolder.empty())
    m_window.RememberFieldValue(m_window.cboOutputDir, m_window.cboOutputDir->currentText());
  const core::SequentialHistories histories{AllItemBytes(m_window.cboStartSeqNbr),
                                            {AllItemBytes(m_window.cboKyotsuName), settings.frontPart},
                                            {AllItemBytes(m_window.cboKyotsuName2), settings.backPart},
                                            CopyFileFieldsNow()};
  m_window.WriteSettings([&](core::IniDocument& document) {
    core::WriteSequentialHistories(document, histories, document.GetCodePage());
  });
  RecordPreviewNow(core::OperatingMode::SequentialRename);
}

void MainRunPart::SaveNameEditHistories(bool replacement, const core::ModeRunInputs& inputs,
                                        const std::string& fileTypes) {
  QComboBox* const fieldA = replacement ? m_window.cboChgStr : m_window.cboAddStr;
  QComboBox* const fieldB = replacement ? m_window.cboChgStr2 : m_window.cboAddStr2;
  const std::string& stringA = inputs.names.stringA;
  const std::string& stringB = inputs.names.stringB;
  if (!stringA.empty()) m_window.RememberFieldValue(fieldA, ToQString(stringA));
  if (!stringB.empty()) m_window.RememberFieldValue(fieldB, ToQString(stringB));
  if (IsFileTypesText(fileTypes)) m_window.RememberFieldValue(m_window.cboExtension, ToQString(fileTypes));
  if (m_window.chkChgExt->isChecked() && !inputs.names.newExtensionText.empty())
    m_window.RememberFieldValue(m_window.cboChgExt, ToQString(inputs.names.newExtensionText));
  if (!inputs.outputFolder.empty())
    m_window.RememberFieldValue(m_window.cboOutputDir, m_window.cboOutputDir->currentText());
  const core::StringHistories strings{replacement,
                                      {AllItemBytes(fieldA), stringA},
                                      {AllItemBytes(fieldB), stringB},
                                      m_window.chkChgStr->isChecked()};
  const core::CopyFileFields fields = CopyFileFieldsNow();
  m_window.WriteSettings([&](core::IniDocument& document) {
    core::WriteStringHistories(document, strings, document.GetCodePage());
    core::WriteCopyFileHistories(document, fields, document.GetCodePage());
  });
  const core::OperatingMode mode =
      replacement ? core::OperatingMode::StringReplacement : core::OperatingMode::StringAddition;
  RecordPreviewNow(mode);
}

void MainRunPart::RecordPreviewNow(core::OperatingMode mode) {
  m_parts.preview.Record(mode, m_parts.preview.CurrentFields(mode));
  m_parts.preview.Save(mode);
}

QWidget& MainRunPart::Widget() { return m_window; }
MessageBoxes& MainRunPart::Messages() { return m_window.Messages(); }
OverwriteAlerts& MainRunPart::Alerts() { return m_window.Alerts(); }
void MainRunPart::ShowOverwriteAlertHelp() { m_parts.commands.ShowOverwriteAlertHelp(); }
void MainRunPart::SetRunGoing(bool going) { m_window.SetRunGoing(going); }

bool MainRunPart::StopAsked() const { return m_window.RunStopAsked(); }
bool MainRunPart::ResolvesChains() const { return m_parts.plan.ResolvesChains(); }
void MainRunPart::JournalWritten(const std::string& path) { m_parts.undo.JournalWritten(path); }

// A run of one file steps once by 1; a run of none has nothing to step.
void MainRunPart::ProgressBegin(int count) {
  QProgressBar* bar = m_window.pgbProcess;
  bar->setRange(0, count);
  bar->setValue(0);
  bar->setProperty("step", count >= 2 ? 1 : count);
  // The files done of all, "n / N", over the bar.
  bar->setFormat(QStringLiteral("%v / %m"));
  bar->setTextVisible(true);
  bar->show();
}

void MainRunPart::ProgressSteps(int files) {
  QProgressBar* bar = m_window.pgbProcess;
  const qint64 step = bar->property("step").toInt();
  bar->setValue(static_cast<int>(std::min<qint64>(bar->value() + step * files, bar->maximum())));
}

void MainRunPart::ProgressEnd() { m_window.pgbProcess->hide(); }

}  // namespace morvane::gui
