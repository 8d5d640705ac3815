#include "gui/untSetting.h"

#include <QFile>
#include <QFileDialog>
#include <QShowEvent>

#include "core/settings/history.h"
#include "core/settings/settings_keys.h"
#include "gui/combo_items.h"
#include "gui/field_validator.h"
#include "gui/line_edit_bytes.h"
#include "gui/qt_text.h"
#include "gui/untFolderSelect.h"

namespace morvane::gui {

using core::DefaultField;

TfrmSetting::TfrmSetting(core::SettingsStore& settings, const core::FileSystem& fileSystem,
                         SettingsDialogHost& host, QWidget* parent)
    : QDialog(parent),
      m_settings(settings),
      m_fileSystem(fileSystem),
      m_host(host),
      m_messages(this),
      m_userLists(settings.GetCodePage()) {
  setupUi(this);
  setFixedSize(size());
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  m_defaultEdits = {edtStartSeqNbr, edtKyotsuName, edtKyotsuName2, edtExtension, edtChgExt, edtOutputDir};
  m_defaultBoxes = {chkStartSeqNbr, chkKyotsuName, chkKyotsuName2, chkExtension, chkChgExt, chkOutputDir};
  m_protectBoxes = {chkGuardExtBAT, chkGuardExtCOM, chkGuardExtEXE, chkGuardExtDLL,
                    chkGuardExtREG, chkGuardExtSYS, chkGuardExtINI, chkGuardExtDAT};
  for (QLineEdit* edit : m_defaultEdits) ApplyFieldInput(edit, edit->objectName());
  ApplyFieldInput(cboGDExtUser->lineEdit(), cboGDExtUser->objectName());
  // As in the main window: the history is the program's, the text stays as typed (no
  // completion from the items), and Enter is the OK button's.
  cboGDExtUser->setInsertPolicy(QComboBox::NoInsert);
  cboGDExtUser->setCompleter(nullptr);
  ActivateOnlyFromDropDown(cboGDExtUser);
  btnOk->setDefault(true);

  m_chooseFolder = [this] { return ChooseFolderWithDialog(); };
  m_chooseProgram = [this] { return ChooseProgramWithDialog(); };
  connect(btnOk, &QPushButton::clicked, this, &TfrmSetting::btnOkClick);
  connect(btnClose, &QPushButton::clicked, this, &TfrmSetting::btnCloseClick);
  connect(bitOutputDir, &QPushButton::clicked, this, &TfrmSetting::bitOutputDirClick);
  connect(bitTextViewer, &QPushButton::clicked, this, &TfrmSetting::bitTextViewerClick);
}

void TfrmSetting::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Each opening starts from the file, so edits that were cancelled are gone.
  if (!event->spontaneous()) FormActivate();
}

void TfrmSetting::FormActivate() {
  const core::IniDocument document = m_settings.Load();
  m_opened = core::ReadSettingsDialogValues(document, m_settings.GetCodePage());

  grpGuardExt->setEnabled(true);
  for (std::size_t i = 0; i < m_protectBoxes.size(); ++i)
    m_protectBoxes[i]->setChecked(m_opened.protectBuiltIn[i]);
  for (const std::string& value :
       core::ReadHistory(document, core::keys::kGuaudExtUserHistory, m_settings.GetCodePage()).items) {
    m_userLists.Merge(value);
  }
  ShowUserListHistory(m_opened.userList);

  for (std::size_t i = 0; i < core::kDefaultFieldCount; ++i) {
    SetTextBytes(m_defaultEdits[i], m_opened.defaults[i].text);
    m_defaultBoxes[i]->setChecked(m_opened.defaults[i].enabled);
  }
  chkLogOutput->setChecked(m_opened.outputLog);
  chkResultText->setChecked(m_opened.resultText);
  SetTextBytes(edtTextViewer, m_opened.textViewer);
}

void TfrmSetting::ShowUserListHistory(const std::string& userList) {
  std::vector<std::string> items = {
      core::HistoryMarker(core::keys::kGuaudExtUserHistory, m_settings.GetCodePage())};
  items.insert(items.end(), m_userLists.Items().begin(), m_userLists.Items().end());
  SetItemBytes(cboGDExtUser, items);
  SetEditTextBytes(cboGDExtUser, userList);
}

core::SettingsDialogValues TfrmSetting::ShownValues() const {
  core::SettingsDialogValues values;
  for (std::size_t i = 0; i < core::kDefaultFieldCount; ++i) {
    values.defaults[i] = {TextBytes(m_defaultEdits[i]), m_defaultBoxes[i]->isChecked()};
  }
  values.outputLog = chkLogOutput->isChecked();
  values.resultText = chkResultText->isChecked();
  values.textViewer = TextBytes(edtTextViewer);
  for (std::size_t i = 0; i < m_protectBoxes.size(); ++i)
    values.protectBuiltIn[i] = m_protectBoxes[i]->isChecked();
  values.userList = EditTextBytes(cboGDExtUser);
  return values;
}

void TfrmSetting::btnOkClick() {
  const core::SettingsDialogValues values = ShownValues();
  core::UserListHistory userLists = m_userLists;
  userLists.PutFirst(values.userList);
  try {
    // One write for all keys: a failure leaves the whole file as it was.
    m_settings.Update([&](core::IniDocument& document) {
      core::WriteSettingsDialogValues(document, values, userLists.Items());
    });
  } catch (const core::SettingsWriteError& error) {
    m_messages.Show(MessageKind::Error, ToQString(error.Message()));
    return;
  }
  m_userLists = userLists;
  ShowUserListHistory(values.userList);

  auto apply = [&](DefaultField field) {
    if (core::ShouldApplyDefault(m_opened.Default(field), values.Default(field))) {
      m_host.ApplyDefaultText(field, values.Default(field).text);
    }
  };
  apply(DefaultField::StartNumber);
  apply(DefaultField::FrontPart);
  apply(DefaultField::BackPart);
  m_host.RefreshPreview();
  apply(DefaultField::FileTypes);
  apply(DefaultField::Extension);
  apply(DefaultField::OutputFolder);
  m_host.ReloadLogSettings();
  m_host.ApplyOutputFolderRule();
  accept();
}

void TfrmSetting::btnCloseClick() { reject(); }

void TfrmSetting::bitOutputDirClick() {
  const std::string folder = m_chooseFolder();
  if (!folder.empty()) SetTextBytes(edtOutputDir, folder);
}

void TfrmSetting::bitTextViewerClick() {
  const std::string program = m_chooseProgram();
  if (!program.empty()) SetTextBytes(edtTextViewer, program);
}

std::string TfrmSetting::ChooseFolderWithDialog() {
  FolderRequest request;  // no subfolder box here
  TfrmFolderSelect dialog(request, m_settings, m_fileSystem, this);
  dialog.exec();
  return request.chosenFolder;
}

std::string TfrmSetting::ChooseProgramWithDialog() {
  QFileDialog dialog(this);
  dialog.setFileMode(QFileDialog::ExistingFile);
  // Programs here carry no extension of their own, so every file is offered.
  dialog.setNameFilter(Utf8("実行ファイル (*)"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  // The path as the file system names it, not re-encoded.
  return QFile::encodeName(dialog.selectedFiles().front()).toStdString();
}

}  // namespace morvane::gui
