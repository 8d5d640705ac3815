#include "gui/menu_commands_part.h"

#include <QAction>
#include <QDialog>

#include "core/log/log_commands.h"
#include "gui/help_window.h"
#include "gui/text_viewer_window.h"
#include "gui/untVerInfo.h"

namespace morvane::gui {

MenuCommandsPart::MenuCommandsPart(const MenuCommandItems& items, QWidget& window, MessageBoxes& messages,
                                   const core::ProgramFiles& files, core::SettingsStore& settings,
                                   core::FileSystem& fileSystem)
    : QObject(&window),
      m_window(window),
      m_messages(messages),
      m_files(files),
      m_settings(settings),
      m_fileSystem(fileSystem),
      // A separate window of its own, closed with the main window.
      m_help(new HelpWindow(&window)),
      m_standardViewer(std::make_unique<QtTextViewerLauncher>(&window, fileSystem)),
      m_viewerLauncher(std::make_unique<SwitchableViewerLauncher>(*m_standardViewer)) {
  connect(items.settings, &QAction::triggered, this, &MenuCommandsPart::mnuSettingClick);
  connect(items.showLog, &QAction::triggered, this, &MenuCommandsPart::mnuLogViewerClick);
  connect(items.deleteLog, &QAction::triggered, this, &MenuCommandsPart::DeleteResultLogClick);
  connect(items.version, &QAction::triggered, this, &MenuCommandsPart::mnuVersionClick);
  connect(items.helpContents, &QAction::triggered, this, &MenuCommandsPart::mnuHelpContentsClick);
}

MenuCommandsPart::~MenuCommandsPart() = default;

core::LogCommandContext MenuCommandsPart::LogContext(core::MessagePresenter& presenter) {
  return {m_files, m_fileSystem, presenter, *m_viewerLauncher};
}

void MenuCommandsPart::mnuSettingClick() {
  if (m_settingsDialog != nullptr) m_settingsDialog->exec();
}

void MenuCommandsPart::mnuLogViewerClick() {
  WindowMessagePresenter presenter(m_messages);
  core::ShowResultLog(core::ReadLogSettings(m_settings),
                      {m_files, m_fileSystem, presenter, *m_viewerLauncher});
}

void MenuCommandsPart::DeleteResultLogClick() {
  WindowMessagePresenter presenter(m_messages);
  core::DeleteResultLog(LogContext(presenter));
}

void MenuCommandsPart::ShowResultFile(const core::LogSettings& logSettings) {
  WindowMessagePresenter presenter(m_messages);
  core::ShowResultFile(logSettings, LogContext(presenter));
}

void MenuCommandsPart::mnuVersionClick() {
  TfrmVersionInfo dialog(ProjectHomePage(), &m_window);
  dialog.exec();
}

void MenuCommandsPart::mnuHelpContentsClick() {
  SetHelpModality(Qt::NonModal);
  m_help->ShowSearch();
}

void MenuCommandsPart::ShowOverwriteAlertHelp() {
  // The alert blocks every other window; a help window made modal above it can still be
  // read and scrolled, and hands the input back to the alert when it closes.
  SetHelpModality(Qt::ApplicationModal);
  m_help->ShowContext(HelpWindow::kOverwriteAlertContext);
}

void MenuCommandsPart::SetHelpModality(Qt::WindowModality modality) {
  if (m_help->windowModality() == modality) return;
  m_help->hide();  // a shown window keeps the modality it was shown with
  m_help->setWindowModality(modality);
}

}  // namespace morvane::gui
