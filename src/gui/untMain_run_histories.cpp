// What a run keeps once its last file is done: the values of its fields moved to the
// heads of their histories, the histories written to the settings file, the preview
// history of the modes that have one; then the target list is emptied.
#include <QComboBox>

#include "core/names/extension_filter.h"
#include "core/settings/run_histories.h"
#include "gui/combo_items.h"
#include "gui/qt_text.h"
#include "gui/untMain.h"

namespace morvane::gui {
namespace {

bool IsFileTypesText(const std::string& text) { return !text.empty() && text != core::AllFilesText(); }

}  // namespace

core::CopyFileFields TfrmMain::CopyFileFieldsNow() const {
  std::vector<std::string> fileTypes = AllItemBytes(cboExtension);
  if (!fileTypes.empty()) fileTypes.erase(fileTypes.begin());  // the fixed all-files item
  return {{std::move(fileTypes), EditTextBytes(cboExtension)},
          {AllItemBytes(cboChgExt), EditTextBytes(cboChgExt)},
          chkChgExt->isChecked(),
          {AllItemBytes(cboOutputDir), EditTextBytes(cboOutputDir)}};
}

void TfrmMain::RunFilesDone(const core::StartRequest& request, const core::ReadyRun& run) {
  const std::string& fileTypes = run.fileTypes;
  switch (run.mode) {
    case core::OperatingMode::SequentialRename:
      SaveNumberingHistories(run.numbering, fileTypes);
      break;
    case core::OperatingMode::ExtensionChange: {
      if (IsFileTypesText(fileTypes)) RememberFieldValue(cboExtension, ToQString(fileTypes));
      if (!request.newExtension.empty()) RememberFieldValue(cboChgExt, ToQString(request.newExtension));
      if (!run.others.outputFolder.empty()) RememberFieldValue(cboOutputDir, cboOutputDir->currentText());
      const core::CopyFileFields fields = CopyFileFieldsNow();
      WriteSettings([&](core::IniDocument& document) {
        core::WriteCopyFileHistories(document, fields, m_settings.GetCodePage());
      });
      break;
    }
    case core::OperatingMode::CaseConversion: {
      if (IsFileTypesText(fileTypes)) RememberFieldValue(cboExtension, ToQString(fileTypes));
      const core::SavedField saved = CopyFileFieldsNow().fileTypes;
      WriteSettings([&](core::IniDocument& document) {
        core::WriteFileTypesHistory(document, saved, m_settings.GetCodePage());
      });
      break;
    }
    case core::OperatingMode::StringReplacement:
    case core::OperatingMode::StringAddition:
      SaveNameEditHistories(run.mode == core::OperatingMode::StringReplacement, run.others, fileTypes);
      break;
  }
  ClearTargetList();
}

void TfrmMain::SaveNumberingHistories(const core::RunSettings& settings, const std::string& fileTypes) {
  RememberFieldValue(cboStartSeqNbr, ToQString(settings.startText));
  if (!settings.frontPart.empty()) RememberFieldValue(cboKyotsuName, ToQString(settings.frontPart));
  if (!settings.backPart.empty()) RememberFieldValue(cboKyotsuName2, ToQString(settings.backPart));
  if (IsFileTypesText(fileTypes)) RememberFieldValue(cboExtension, ToQString(fileTypes));
  if (chkChgExt->isChecked()) RememberFieldValue(cboChgExt, ToQString(settings.newExtensionText));
  if (!settings.outputFolder.empty()) RememberFieldValue(cboOutputDir, cboOutputDir->currentText());
  const core::SequentialHistories histories{AllItemBytes(cboStartSeqNbr),
                                            {AllItemBytes(cboKyotsuName), settings.frontPart},
                                            {AllItemBytes(cboKyotsuName2), settings.backPart},
                                            CopyFileFieldsNow()};
  WriteSettings([&](core::IniDocument& document) {
    core::WriteSequentialHistories(document, histories, m_settings.GetCodePage());
  });
  RecordPreview(core::OperatingMode::SequentialRename,
                CurrentPreviewFields(core::OperatingMode::SequentialRename));
  SavePreviewHistory(core::OperatingMode::SequentialRename);
}

void TfrmMain::SaveNameEditHistories(bool replacement, const core::ModeRunInputs& inputs,
                                     const std::string& fileTypes) {
  QComboBox* const fieldA = replacement ? cboChgStr : cboAddStr;
  QComboBox* const fieldB = replacement ? cboChgStr2 : cboAddStr2;
  const std::string& stringA = inputs.names.stringA;
  const std::string& stringB = inputs.names.stringB;
  if (!stringA.empty()) RememberFieldValue(fieldA, ToQString(stringA));
  if (!stringB.empty()) RememberFieldValue(fieldB, ToQString(stringB));
  if (IsFileTypesText(fileTypes)) RememberFieldValue(cboExtension, ToQString(fileTypes));
  if (chkChgExt->isChecked() && !inputs.names.newExtensionText.empty())
    RememberFieldValue(cboChgExt, ToQString(inputs.names.newExtensionText));
  if (!inputs.outputFolder.empty()) RememberFieldValue(cboOutputDir, cboOutputDir->currentText());
  const core::StringHistories strings{
      replacement, {AllItemBytes(fieldA), stringA}, {AllItemBytes(fieldB), stringB}, chkChgStr->isChecked()};
  const core::CopyFileFields fields = CopyFileFieldsNow();
  WriteSettings([&](core::IniDocument& document) {
    core::WriteStringHistories(document, strings, m_settings.GetCodePage());
    core::WriteCopyFileHistories(document, fields, m_settings.GetCodePage());
  });
  const core::OperatingMode mode =
      replacement ? core::OperatingMode::StringReplacement : core::OperatingMode::StringAddition;
  RecordPreview(mode, CurrentPreviewFields(mode));
  SavePreviewHistory(mode);
}

}  // namespace morvane::gui
