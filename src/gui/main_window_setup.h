#pragma once

#include "core/fs/file_system.h"
#include "core/settings/ini_document.h"
#include "core/settings/settings_store.h"

class Ui_TfrmMain;

namespace morvane::gui {

class FileDialogs;
class PreviewLinePart;
class TargetListPart;
class TfrmMain;

// The parts of the main window made in code at start-up, and the fields' texts of the
// last session.

// The status bar's two panels and the progress bar over the second one.
void CreateStatusBar(TfrmMain& window);
// The target list's pop-up and the three preview history pop-ups of the preview line.
void CreatePopupMenus(TfrmMain& window);
// What each text field accepts, and that the combo boxes keep their items themselves.
void ApplyInputFilters(TfrmMain& window);
// The preview line, with the menus of its histories.
PreviewLinePart* CreatePreviewLine(TfrmMain& window);
TargetListPart* CreateTargetList(TfrmMain& window, core::FileSystem& fileSystem, FileDialogs& fileDialogs,
                                 core::SettingsStore& settings);

// The histories of the combo boxes, with the extension check box and the replacement's
// case box.
void LoadFieldHistories(Ui_TfrmMain& ui, const core::IniDocument& document);
// A default of the settings dialog that is in force overrides the text the history gave.
void ApplyDefaults(Ui_TfrmMain& ui, const core::IniDocument& document);

}  // namespace morvane::gui
