#pragma once

class QCoreApplication;

namespace morvane::gui {

// Gives Qt's own texts (the file dialog, the fields' context menus, the folder tree's
// columns) in Japanese, as the rest of the windows are, whatever the user's locale.
// False when Qt's Japanese translations are not installed; the texts then stay English.
bool InstallQtTranslations(QCoreApplication& application);

}  // namespace morvane::gui
