// The Start button in the extension change, case conversion, string replacement and
// string addition modes: each mode's checks and question, its run, and the histories
// it saves.
#include <QApplication>
#include <QComboBox>

#include "core/modes/renaming/mode_names.h"
#include "core/names/extension_filter.h"
#include "core/names/protected_extensions.h"
#include "core/run/run_frame.h"
#include "core/time/local_time.h"
#include "gui/combo_items.h"
#include "gui/qt_text.h"
#include "gui/untMain.h"

namespace morvane::gui {
namespace {

using core::RunMode;

bool IsFileTypesText(const std::string& text) { return !text.empty() && text != core::AllFilesText(); }

bool AskOkCancel(MessageBoxes& messages, const QString& text) {
  return messages.Show(MessageKind::Confirmation, text, MessageButtons::OkCancel) == MessageAnswer::Ok;
}

}  // namespace

core::ModeRunInputs TfrmMain::ModeInputs(RunMode mode, const std::string& outputFolder) const {
  core::ModeRunInputs inputs;
  inputs.mode = mode;
  inputs.names.changeExtension = mode == RunMode::ExtensionChange || chkChgExt->isChecked();
  inputs.names.newExtensionText = EditTextBytes(cboChgExt);
  inputs.names.nameCase = cboRenameUL->currentIndex();
  inputs.names.extensionCase = cboExtUL->currentIndex();
  inputs.renameInPlace = mode == RunMode::CaseConversion || m_options.renameInPlace;
  inputs.outputFolder = outputFolder;
  inputs.filterText = EditTextBytes(cboExtension);
  inputs.filter = core::BuildExtensionFilter(inputs.filterText);
  inputs.protectedExtensions = core::LoadProtectedExtensions(m_settings);
  return inputs;
}

void TfrmMain::ExecuteModeRun(core::ModeRunInputs inputs, const std::function<void()>& saveHistories) {
  const RunMode mode = inputs.mode;
  const QString caption = windowTitle();
  std::string endMessage;
  const bool finished = WithResultLog([&](core::ResultLog& log) {
    WindowRunInteraction interaction(*this);
    core::ModeRun run(std::move(inputs), m_fileSystem, log, interaction);
    auto collect = [&] {
      QApplication::setOverrideCursor(Qt::WaitCursor);
      run.Collect(m_targets.Paths());
      QApplication::restoreOverrideCursor();
    };
    if (run.ExpandsBeforeHeader()) collect();
    core::WriteRunHeader(log, mode, core::LocalNow());
    if (!run.ExpandsBeforeHeader()) collect();
    run.Execute();
    saveHistories();
    ClearTargetList();
    setWindowTitle(caption);
    run.WriteSummary();
    core::WriteRunFooter(log, mode, core::LocalNow());
    endMessage = run.EndMessage();
  });
  if (finished) FinishRun(endMessage);
}

void TfrmMain::RunExtensionChange(const std::string& outputFolder) {
  core::ModeRunInputs inputs = ModeInputs(RunMode::ExtensionChange, outputFolder);
  const std::string extension =
      core::ConvertedNewExtension(inputs.names.newExtensionText, inputs.names.extensionCase);
  if (extension.empty() &&
      m_messages.Show(
          MessageKind::Confirmation,
          QStringLiteral("拡張子が入力されていません。\r\n選択ファイルをすべて 拡張子なし にしますか？"),
          MessageButtons::YesNo) != MessageAnswer::Yes) {
    cboChgExt->setFocus();
    return;
  }
  const QString target = extension.empty() ? QStringLiteral("拡張子なし に変換されます。")
                                           : ToQString(extension) + QStringLiteral(" に変換されます。");
  if (!AskOkCancel(m_messages,
                   QStringLiteral("拡張子一括変換処理を開始します。\r\n指定のファイルの拡張子はすべて ") +
                       target + QStringLiteral("\r\nよろしいですか？"))) {
    return;
  }
  const std::string fileTypes = inputs.filterText;
  const std::string newExtension = inputs.names.newExtensionText;
  ExecuteModeRun(std::move(inputs), [&] {
    if (IsFileTypesText(fileTypes)) RememberFieldValue(cboExtension, ToQString(fileTypes));
    if (!newExtension.empty()) RememberFieldValue(cboChgExt, ToQString(newExtension));
    if (!outputFolder.empty()) RememberFieldValue(cboOutputDir, cboOutputDir->currentText());
    const core::CopyFileFields fields = CopyFileFieldsNow();
    WriteSettings([&](core::IniDocument& document) {
      core::WriteCopyFileHistories(document, fields, m_settings.GetCodePage());
    });
  });
}

void TfrmMain::RunCaseConversion() {
  if (m_targets.Size() == 0) {
    m_messages.Show(MessageKind::Warning, QStringLiteral("\r\n対象ファイルが選択されていません。"));
    bitChoiceFiles->setFocus();
    return;
  }
  if (cboRenameUL->currentIndex() <= 0 && cboExtUL->currentIndex() <= 0) {
    m_messages.Show(MessageKind::Warning,
                    QStringLiteral("\r\n共通部分の大小と拡張子の大小がどちらも無変換です。"));
    cboRenameUL->setFocus();
    return;
  }
  if (!AskOkCancel(
          m_messages,
          QStringLiteral("大文字・小文字一括変換処理を以下の設定で開始します。\r\n共通部分の大小 ： ") +
              cboRenameUL->currentText() + QStringLiteral("\r\n拡張子の大小 ： ") + cboExtUL->currentText() +
              QStringLiteral("\r\nよろしいですか？"))) {
    return;
  }
  core::ModeRunInputs inputs = ModeInputs(RunMode::CaseConversion, {});
  const std::string fileTypes = inputs.filterText;
  ExecuteModeRun(std::move(inputs), [&] {
    if (IsFileTypesText(fileTypes)) RememberFieldValue(cboExtension, ToQString(fileTypes));
    const core::SavedField saved = CopyFileFieldsNow().fileTypes;
    WriteSettings([&](core::IniDocument& document) {
      core::WriteFileTypesHistory(document, saved, m_settings.GetCodePage());
    });
  });
}

void TfrmMain::RunStringEdit(bool replacement, const std::string& outputFolder) {
  QComboBox* const fieldA = replacement ? cboChgStr : cboAddStr;
  QComboBox* const fieldB = replacement ? cboChgStr2 : cboAddStr2;
  const std::string stringA = EditTextBytes(fieldA);
  const std::string stringB = EditTextBytes(fieldB);
  if (replacement && stringA.empty()) {
    m_messages.Show(MessageKind::Warning, QStringLiteral("\r\n文字列 A が指定されていません。"));
    fieldA->setFocus();
    return;
  }
  if (replacement && stringB.empty() &&
      m_messages.Show(
          MessageKind::Confirmation,
          QStringLiteral("文字列 B が空欄の場合、ファイル名中の文字列 A を削除します。\r\nよろしいですか？"),
          MessageButtons::YesNo) != MessageAnswer::Yes) {
    fieldB->setFocus();
    return;
  }
  if (!replacement && stringA.empty() && stringB.empty()) {
    m_messages.Show(MessageKind::Warning, QStringLiteral("\r\n追加文字列が指定されていません。"));
    fieldA->setFocus();
    return;
  }
  if (chkChgExt->isChecked() && !ConfirmNewExtension()) return;

  const RunMode mode = replacement ? RunMode::StringReplacement : RunMode::StringAddition;
  core::ModeRunInputs inputs = ModeInputs(mode, outputFolder);
  inputs.names.stringA = stringA;
  inputs.names.stringB = stringB;
  inputs.names.caseSensitive = !replacement || chkChgStr->isChecked();
  const QString question = replacement
                               ? QStringLiteral("特定文字列変換処理をおこないます。\r\nよろしいですか？")
                               : QStringLiteral("文字列追加処理をおこないます。\r\nよろしいですか？");
  if (!AskOkCancel(m_messages, question)) return;

  const std::string fileTypes = inputs.filterText;
  const std::string newExtension = inputs.names.newExtensionText;
  const core::OperatingMode operatingMode =
      replacement ? core::OperatingMode::ChangeStr : core::OperatingMode::AddStr;
  ExecuteModeRun(std::move(inputs), [&] {
    if (!stringA.empty()) RememberFieldValue(fieldA, ToQString(stringA));
    if (!stringB.empty()) RememberFieldValue(fieldB, ToQString(stringB));
    if (IsFileTypesText(fileTypes)) RememberFieldValue(cboExtension, ToQString(fileTypes));
    if (chkChgExt->isChecked() && !newExtension.empty())
      RememberFieldValue(cboChgExt, ToQString(newExtension));
    if (!outputFolder.empty()) RememberFieldValue(cboOutputDir, cboOutputDir->currentText());
    const core::StringHistories strings{replacement,
                                        {AllItemBytes(fieldA), stringA},
                                        {AllItemBytes(fieldB), stringB},
                                        chkChgStr->isChecked()};
    const core::CopyFileFields fields = CopyFileFieldsNow();
    WriteSettings([&](core::IniDocument& document) {
      core::WriteStringHistories(document, strings, m_settings.GetCodePage());
      core::WriteCopyFileHistories(document, fields, m_settings.GetCodePage());
    });
    RecordPreview(operatingMode, CurrentPreviewFields(operatingMode));
    SavePreviewHistory(operatingMode);
  });
}

}  // namespace morvane::gui
