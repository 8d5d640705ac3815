// The Start button: the mode's checks and questions, then the run, its histories, the
// cleared list and the end message. The sequential rename is here; the other modes are
// in untMain_mode_runs.cpp.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

#include "core/modes/numbering/sequence_run.h"
#include "core/names/extension_filter.h"
#include "core/names/protected_extensions.h"
#include "core/run/confirmation_texts.h"
#include "core/run/run_frame.h"
#include "core/text/trim.h"
#include "core/time/local_time.h"
#include "gui/combo_items.h"
#include "gui/qt_text.h"
#include "gui/untConfirmation.h"
#include "gui/untMain.h"
#include "gui/untPEndMessage.h"

namespace morvane::gui {
namespace {

constexpr std::string_view kNoStartNumber = "\r\n開始番号が指定されていません。";
constexpr std::string_view kNoExtension =
    "拡張子が入力されていません。\r\n選択ファイルをすべて 拡張子なし にしますか？";
constexpr std::string_view kNoFoldersInUserOrder =
    "\r\n連番をつける順序が“ユーザ指定”の場合、フォルダは選択できません。";
constexpr int kUserOrderIndex = 4;

}  // namespace

void TfrmMain::btnStartClick() {
  ReloadLogSettings();
  // The case conversion never copies, so its output folder is not looked at.
  if (mnuULCase->isChecked()) {
    RunCaseConversion();
    return;
  }
  if (cboOutputDir->isEnabled() && !CheckOutputFolderAt(core::OutputFolderVariant::Start)) return;
  const std::string outputFolder = TakeOutputFolder();
  if (mnuChgExt->isChecked()) {
    RunExtensionChange(outputFolder);
  } else if (mnuChangeStr->isChecked()) {
    RunStringEdit(true, outputFolder);
  } else if (mnuAddStr->isChecked()) {
    RunStringEdit(false, outputFolder);
  } else {
    RunSequentialRename(outputFolder);
  }
}

bool TfrmMain::ConfirmNewExtension() {
  const std::string trimmed(core::TrimBlanks(EditTextBytes(cboChgExt)));
  SetEditTextBytes(cboChgExt, trimmed);
  if (!trimmed.empty()) return true;
  if (m_messages.Show(MessageKind::Confirmation, Utf8(kNoExtension), MessageButtons::YesNo) ==
      MessageAnswer::Yes) {
    return true;
  }
  cboChgExt->setFocus();
  return false;
}

bool TfrmMain::WithResultLog(const std::function<void(core::ResultLog&)>& run) {
  const QString caption = windowTitle();
  try {
    core::ResultLog log(m_files.resultFile, m_files.logFile, m_logSettings.outputLog, m_fileSystem);
    run(log);
    log.Close();
    return true;
  } catch (const core::LogWriteError& error) {
    // The files done so far stay done; the run stops here and says why.
    while (QApplication::overrideCursor() != nullptr) QApplication::restoreOverrideCursor();
    setWindowTitle(caption);
    ProgressEnd();
    m_messages.Show(MessageKind::Error, ToQString(error.Message()));
    return false;
  }
}

void TfrmMain::FinishRun(const std::string& endMessage) {
  WindowMessagePresenter presenter(m_messages);
  core::ShowResultFile(m_logSettings, LogContext(presenter));
  frmPEndMessage->ShowEndMessage(endMessage);
  ProgressEnd();
  ShowFreeSpace();
  RefreshSelectionInfo();
}

core::CopyFileFields TfrmMain::CopyFileFieldsNow() const {
  std::vector<std::string> fileTypes = AllItemBytes(cboExtension);
  if (!fileTypes.empty()) fileTypes.erase(fileTypes.begin());  // the fixed all-files item
  return {{std::move(fileTypes), EditTextBytes(cboExtension)},
          {AllItemBytes(cboChgExt), EditTextBytes(cboChgExt)},
          chkChgExt->isChecked(),
          {AllItemBytes(cboOutputDir), EditTextBytes(cboOutputDir)}};
}

void TfrmMain::RunSequentialRename(const std::string& outputFolder) {
  if (cboStartSeqNbr->currentText().isEmpty()) {
    m_messages.Show(MessageKind::Confirmation, Utf8(kNoStartNumber));
    cboStartSeqNbr->setFocus();
    return;
  }
  core::RunSettings settings;
  settings.startText = EditTextBytes(cboStartSeqNbr);
  settings.frontPart = EditTextBytes(cboKyotsuName);
  settings.backPart = EditTextBytes(cboKyotsuName2);
  if (chkChgExt->isChecked()) {
    if (!ConfirmNewExtension()) return;
    settings.changeExtension = true;
    settings.newExtensionText = EditTextBytes(cboChgExt);
  }
  if (m_options.sortType == kUserOrderIndex) {
    for (std::size_t i = 0; i < m_targets.Size(); ++i) {
      if (!m_fileSystem.IsFolder(m_targets.At(i))) continue;
      m_messages.Show(MessageKind::Warning, Utf8(kNoFoldersInUserOrder));
      m_targets.SelectOnly(i);
      ShowTargets();
      lstChoiceFile->setFocus();
      return;
    }
  }
  bool isNumber = false;
  const int increment = edtZoubun->text().toInt(&isNumber, 10);
  if (!isNumber) {
    m_messages.Show(MessageKind::Error, QStringLiteral("'%1' は整数ではありません").arg(edtZoubun->text()));
    return;
  }
  const std::string fileTypes = EditTextBytes(cboExtension);
  settings.sortType = static_cast<core::SortType>(std::clamp(m_options.sortType, 0, kUserOrderIndex));
  settings.descending = m_options.sortDescending;
  settings.increment = increment;
  settings.nameCase = m_options.nameCase;
  settings.extensionCase = m_options.extensionCase;
  settings.renameInPlace = m_options.renameInPlace;
  settings.outputFolder = outputFolder;

  frmConfirmation->SetTexts(
      core::MakeConfirmationTexts(settings, fileTypes, ToBytes(lblPreView->text()), m_logSettings.outputLog));
  if (!frmConfirmation->ShowConfirmation()) return;

  core::SequenceRunInputs inputs{settings, core::BuildExtensionFilter(fileTypes), fileTypes,
                                 core::LoadProtectedExtensions(m_settings)};
  const QString caption = windowTitle();
  std::string endMessage;
  const bool finished = WithResultLog([&](core::ResultLog& log) {
    WindowRunInteraction interaction(*this);
    core::SequenceRun run(std::move(inputs), m_fileSystem, log, interaction);
    core::WriteRunHeader(log, core::RunMode::SequentialRename, core::LocalNow());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    run.Collect(m_targets.Paths());
    QApplication::restoreOverrideCursor();
    run.Execute();

    RememberFieldValue(cboStartSeqNbr, ToQString(settings.startText));
    if (!settings.frontPart.empty()) RememberFieldValue(cboKyotsuName, ToQString(settings.frontPart));
    if (!settings.backPart.empty()) RememberFieldValue(cboKyotsuName2, ToQString(settings.backPart));
    if (!fileTypes.empty() && fileTypes != core::AllFilesText())
      RememberFieldValue(cboExtension, ToQString(fileTypes));
    if (chkChgExt->isChecked()) RememberFieldValue(cboChgExt, ToQString(settings.newExtensionText));
    if (!outputFolder.empty()) RememberFieldValue(cboOutputDir, cboOutputDir->currentText());
    const core::SequentialHistories histories{AllItemBytes(cboStartSeqNbr),
                                              {AllItemBytes(cboKyotsuName), settings.frontPart},
                                              {AllItemBytes(cboKyotsuName2), settings.backPart},
                                              CopyFileFieldsNow()};
    WriteSettings([&](core::IniDocument& document) {
      core::WriteSequentialHistories(document, histories, m_settings.GetCodePage());
    });
    RecordPreview(core::OperatingMode::Rename, CurrentPreviewFields(core::OperatingMode::Rename));
    SavePreviewHistory(core::OperatingMode::Rename);

    ClearTargetList();
    setWindowTitle(caption);
    run.WriteSummary();
    core::WriteRunFooter(log, core::RunMode::SequentialRename, core::LocalNow());
    endMessage = run.EndMessage();
  });
  if (finished) FinishRun(endMessage);
}

}  // namespace morvane::gui
