// The dialogs of the main window, and what a save of the settings changes in it.
#include <QLineEdit>
#include <QPushButton>

#include "core/settings/log_settings.h"
#include "gui/combo_items.h"
#include "gui/help_window.h"
#include "gui/menu_commands_part.h"
#include "gui/untConfirmation.h"
#include "gui/untMain.h"
#include "gui/untPEndMessage.h"
#include "gui/untSetting.h"

namespace morvane::gui {

void TfrmMain::CreateDialogs() {
  m_commands = new MenuCommandsPart({mnuSetting, mnuLogViewer, C1, mnuVersion, mnuHelpContents}, *this,
                                    m_messages, m_files, m_settings, m_fileSystem);
  frmSetting = new TfrmSetting(m_settings, m_fileSystem, *this, this);
  frmSetting->setObjectName(QStringLiteral("frmSetting"));
  m_commands->SetSettingsDialog(frmSetting);
  frmConfirmation = new TfrmConfirmation(this);
  frmConfirmation->setObjectName(QStringLiteral("frmConfirmation"));
  frmPEndMessage = new TfrmPEndMessage(m_settings, m_files, m_fileSystem, m_commands->ViewerLauncher(), this);
  frmPEndMessage->setObjectName(QStringLiteral("frmPEndMessage"));
  connect(btnStart, &QPushButton::clicked, this, &TfrmMain::btnStartClick);
}

void TfrmMain::ApplyDefaultText(core::DefaultField field, const std::string& text) {
  QComboBox* const fields[] = {cboStartSeqNbr, cboKyotsuName, cboKyotsuName2,
                               cboExtension,   cboChgExt,     cboOutputDir};
  SetEditTextBytes(fields[static_cast<std::size_t>(field)], text);
}

void TfrmMain::ShowOverwriteAlertHelp() { m_commands->ShowOverwriteAlertHelp(); }
HelpWindow& TfrmMain::Help() { return m_commands->Help(); }
void TfrmMain::SetViewerLauncher(core::TextViewerLauncher* launcher) {
  m_commands->SetViewerLauncher(launcher);
}

void TfrmMain::ReloadLogSettings() { m_logSettings = core::ReadLogSettings(m_settings); }

}  // namespace morvane::gui
