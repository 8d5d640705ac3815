#pragma once

#include <QString>

namespace morvane::gui {

class TfrmMain;

// Hooks for looking at the window without a person at the desktop, chosen by
// environment variables (never by arguments, which are target paths):
// - MORVANE_STARTUP_PROBE=quit: when the window has been painted for the first time,
//   print "shown <CLOCK_REALTIME in ns>" to standard output and quit (the start-up
//   benchmark); =report prints the line and keeps running.
// - MORVANE_SCREENSHOTS=<folder>: render the window in each of the five modes, the
//   folder dialog, the settings and version dialogs, the help window, the overwrite
//   alert, the confirmation and the end message into PNG files in that folder and quit.
void InstallStartupProbe(TfrmMain& window);

// Renders the window in each mode, the folder dialog, the settings and version dialogs,
// the help window and the dialogs of a run into folder;
// false when a file cannot be written.
bool SaveModeScreenshots(TfrmMain& window, const QString& folder);
// Renders the settings dialog and the version dialog.
bool SaveSettingDialogsScreenshots(TfrmMain& window, const QString& folder);
// Renders the overwrite alert of a sequential copy run, the confirmation and the end
// message, each with sample texts.
bool SaveRunDialogsScreenshots(TfrmMain& window, const QString& folder);
// Renders the folder dialog as the folder button opens it.
bool SaveFolderDialogScreenshot(TfrmMain& window, const QString& file);

}  // namespace morvane::gui
