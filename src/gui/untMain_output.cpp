// The output folder field's checks and browse button, and the log menu.
#include <QComboBox>
#include <QLineEdit>

#include "core/settings/log_settings.h"
#include "core/text/trim.h"
#include "gui/combo_items.h"
#include "gui/help_window.h"
#include "gui/qt_text.h"
#include "gui/text_viewer_window.h"
#include "gui/untFolderSelect.h"
#include "gui/untMain.h"

namespace morvane::gui {

bool TfrmMain::CheckOutputFolderAt(core::OutputFolderVariant variant) {
  const core::OutputFolderCheck check = core::CheckOutputFolder(
      EditTextBytes(cboOutputDir), variant, m_fileSystem, [this](std::string_view question) {
        return m_messages.Show(MessageKind::Confirmation, ToQString(question), MessageButtons::YesNo) ==
               MessageAnswer::Yes;
      });
  if (check.Ready()) return true;
  if (!check.message.empty()) {
    const MessageKind kind =
        check.kind == core::MessageKind::Confirmation ? MessageKind::Confirmation : MessageKind::Warning;
    m_messages.Show(kind, ToQString(check.message));
  }
  (check.focusBrowseButton ? static_cast<QWidget*>(bitOutputDir) : cboOutputDir)->setFocus();
  return false;
}

void TfrmMain::cboOutputDirKeyPress() { CheckOutputFolderAt(core::OutputFolderVariant::Enter); }

void TfrmMain::bitOutputDirClick() {
  FolderRequest request;  // no subfolder box: the output folder is one folder
  request.startFolder = std::string(core::TrimBlanks(EditTextBytes(cboOutputDir)));
  {
    TfrmFolderSelect dialog(request, m_settings, m_fileSystem, this);
    dialog.exec();
  }
  if (!request.chosenFolder.empty()) SetEditTextBytes(cboOutputDir, request.chosenFolder);
}

void TfrmMain::ShowOverwriteAlertHelp() {
  // The alert blocks every other window; a help window made modal above it can still be
  // read and scrolled, and hands the input back to the alert when it closes.
  SetHelpModality(Qt::ApplicationModal);
  m_help->ShowContext(HelpWindow::kOverwriteAlertContext);
}

void TfrmMain::SetHelpModality(Qt::WindowModality modality) {
  if (m_help->windowModality() == modality) return;
  m_help->hide();  // a shown window keeps the modality it was shown with
  m_help->setWindowModality(modality);
}

core::LogCommandContext TfrmMain::LogContext(core::MessagePresenter& presenter) {
  return {m_files, m_fileSystem, presenter, ViewerLauncher()};
}

void TfrmMain::mnuLogViewerClick() {
  WindowMessagePresenter presenter(m_messages);
  core::ShowResultLog(core::ReadLogSettings(m_settings), LogContext(presenter));
}

void TfrmMain::C1Click() {
  WindowMessagePresenter presenter(m_messages);
  core::DeleteResultLog(LogContext(presenter));
}

}  // namespace morvane::gui
