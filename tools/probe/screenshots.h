#pragma once

#include <QString>

namespace morvane::gui {
class TfrmMain;
}

namespace morvane::probe {

using gui::TfrmMain;

// Renders the window in each mode, the folder dialog, the settings and version dialogs,
// the help window and the dialogs of a run into folder;
// false when a file cannot be written.
bool SaveModeScreenshots(TfrmMain& window, const QString& folder);
// Renders the settings dialog and the version dialog.
bool SaveSettingDialogsScreenshots(TfrmMain& window, const QString& folder);
// Renders the overwrite alert of a sequential copy run, the confirmation, the plan
// window, the undo dialog and the end message, each with sample texts.
bool SaveRunDialogsScreenshots(TfrmMain& window, const QString& folder);
// Renders the folder dialog as the folder button opens it.
bool SaveFolderDialogScreenshot(TfrmMain& window, const QString& file);

}  // namespace morvane::probe
