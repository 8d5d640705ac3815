// The windows the main window opens from its menus: the settings dialog, the version
// dialog and the help; and what a save of the settings changes in the main window.
#include <QLineEdit>
#include <QPushButton>

#include "core/settings/log_settings.h"
#include "gui/combo_items.h"
#include "gui/help_window.h"
#include "gui/text_viewer_window.h"
#include "gui/untConfirmation.h"
#include "gui/untMain.h"
#include "gui/untPEndMessage.h"
#include "gui/untSetting.h"
#include "gui/untVerInfo.h"

namespace morvane::gui {

void TfrmMain::CreateDialogs() {
  m_standardViewer = std::make_unique<QtTextViewerLauncher>(this, m_fileSystem);
  m_viewerLauncher = std::make_unique<SwitchableViewerLauncher>(*m_standardViewer);
  frmSetting = new TfrmSetting(m_settings, m_fileSystem, *this, this);
  frmSetting->setObjectName(QStringLiteral("frmSetting"));
  frmConfirmation = new TfrmConfirmation(this);
  frmConfirmation->setObjectName(QStringLiteral("frmConfirmation"));
  frmPEndMessage = new TfrmPEndMessage(m_settings, m_files, m_fileSystem, *m_viewerLauncher, this);
  frmPEndMessage->setObjectName(QStringLiteral("frmPEndMessage"));
  // A separate window of its own, closed with the main window.
  m_help = new HelpWindow(this);
  connect(mnuSetting, &QAction::triggered, this, &TfrmMain::mnuSettingClick);
  connect(mnuVersion, &QAction::triggered, this, &TfrmMain::mnuVersionClick);
  connect(mnuHelpContents, &QAction::triggered, this, &TfrmMain::mnuHelpContentsClick);
  connect(btnStart, &QPushButton::clicked, this, &TfrmMain::btnStartClick);
  connect(mnuLogViewer, &QAction::triggered, this, &TfrmMain::mnuLogViewerClick);
  connect(C1, &QAction::triggered, this, &TfrmMain::C1Click);
  connect(bitOutputDir, &QPushButton::clicked, this, &TfrmMain::bitOutputDirClick);
  // On the combo box itself, where a key arrives (see the target path field).
  cboOutputDir->installEventFilter(this);
}

void TfrmMain::mnuSettingClick() { frmSetting->exec(); }

void TfrmMain::mnuVersionClick() {
  TfrmVersionInfo dialog(ProjectHomePage(), this);
  if (m_urlOpener) dialog.SetUrlOpener(m_urlOpener);
  dialog.exec();
}

void TfrmMain::mnuHelpContentsClick() {
  SetHelpModality(Qt::NonModal);
  m_help->ShowSearch();
}

void TfrmMain::ApplyDefaultText(core::DefaultField field, const std::string& text) {
  QComboBox* const fields[] = {cboStartSeqNbr, cboKyotsuName, cboKyotsuName2,
                               cboExtension,   cboChgExt,     cboOutputDir};
  SetEditTextBytes(fields[static_cast<std::size_t>(field)], text);
}

void TfrmMain::ReloadLogSettings() { m_logSettings = core::ReadLogSettings(m_settings); }

}  // namespace morvane::gui
