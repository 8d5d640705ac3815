// The windows the main window opens from its menus: the settings dialog, the version
// dialog and the help; and what a save of the settings changes in the main window.
#include "core/settings/log_settings.h"
#include "gui/combo_items.h"
#include "gui/help_window.h"
#include "gui/untMain.h"
#include "gui/untSetting.h"
#include "gui/untVerInfo.h"

namespace morvane::gui {

void TfrmMain::CreateDialogs() {
  frmSetting = new TfrmSetting(m_settings, *this, this);
  frmSetting->setObjectName(QStringLiteral("frmSetting"));
  // A separate window of its own, closed with the main window.
  m_help = new HelpWindow(this);
  connect(mnuSetting, &QAction::triggered, this, &TfrmMain::mnuSettingClick);
  connect(mnuVersion, &QAction::triggered, this, &TfrmMain::mnuVersionClick);
  connect(mnuHelpContents, &QAction::triggered, this, &TfrmMain::mnuHelpContentsClick);
}

void TfrmMain::mnuSettingClick() { frmSetting->exec(); }

void TfrmMain::mnuVersionClick() {
  TfrmVersionInfo dialog(ProjectHomePage(), this);
  if (m_urlOpener) dialog.SetUrlOpener(m_urlOpener);
  dialog.exec();
}

void TfrmMain::mnuHelpContentsClick() { m_help->ShowSearch(); }

void TfrmMain::ApplyDefaultText(core::DefaultField field, const std::string& text) {
  QComboBox* const fields[] = {cboStartSeqNbr, cboKyotsuName, cboKyotsuName2,
                               cboExtension,   cboChgExt,     cboOutputDir};
  SetEditTextBytes(fields[static_cast<std::size_t>(field)], text);
}

void TfrmMain::ReloadLogSettings() { m_logSettings = core::ReadLogSettings(m_settings); }

}  // namespace morvane::gui
