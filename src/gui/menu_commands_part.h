#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "core/fs/file_system.h"
#include "core/fs/program_files.h"
#include "core/log/log_commands.h"
#include "core/settings/log_settings.h"
#include "core/settings/settings_store.h"
#include "gui/window_run_interaction.h"

class QAction;
class QDialog;
class QWidget;

namespace morvane::gui {

class HelpWindow;
class MessageBoxes;
class QtTextViewerLauncher;

// The menu items of the オプション and ヘルプ menus that open something.
struct MenuCommandItems {
  QAction* settings;      // mnuSetting
  QAction* showLog;       // mnuLogViewer
  QAction* deleteLog;     // C1
  QAction* version;       // mnuVersion
  QAction* helpContents;  // mnuHelpContents
};

// What the main window's menus open: the settings dialog, the result log (shown or
// deleted), the version dialog and the help window; and the viewer the result file and
// the log are shown with.
class MenuCommandsPart : public QObject {
  Q_OBJECT

 public:
  MenuCommandsPart(const MenuCommandItems& items, QWidget& window, MessageBoxes& messages,
                   const core::ProgramFiles& files, core::SettingsStore& settings,
                   core::FileSystem& fileSystem);
  ~MenuCommandsPart() override;

  // The settings dialog, made by the window (it is the dialog's host).
  void SetSettingsDialog(QDialog* dialog) { m_settingsDialog = dialog; }

  // The help window of the main window; closed with it.
  HelpWindow& Help() { return *m_help; }
  // The overwrite alert's help, readable above the alert.
  void ShowOverwriteAlertHelp();
  // What opens the result file and the result log (the viewer of the settings, or the
  // built-in one), and its test seam (nullptr: the program's own again).
  core::TextViewerLauncher& ViewerLauncher() { return *m_viewerLauncher; }
  void SetViewerLauncher(core::TextViewerLauncher* launcher) { m_viewerLauncher->Replace(launcher); }

  // After a run: the result file shown as the log settings say.
  void ShowResultFile(const core::LogSettings& logSettings);

  void mnuSettingClick();
  void mnuLogViewerClick();
  // The result log deleted (after its confirmation).
  void DeleteResultLogClick();
  void mnuVersionClick();
  void mnuHelpContentsClick();

 private:
  void SetHelpModality(Qt::WindowModality modality);
  core::LogCommandContext LogContext(core::MessagePresenter& presenter);

  QWidget& m_window;
  MessageBoxes& m_messages;
  const core::ProgramFiles& m_files;
  core::SettingsStore& m_settings;
  core::FileSystem& m_fileSystem;
  QDialog* m_settingsDialog = nullptr;
  HelpWindow* m_help;
  std::unique_ptr<QtTextViewerLauncher> m_standardViewer;
  std::unique_ptr<SwitchableViewerLauncher> m_viewerLauncher;
};

}  // namespace morvane::gui
