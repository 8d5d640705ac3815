#pragma once

#include <QString>
#include <QWidget>

namespace morvane::gui {

// The window a second start of the program brings to the front: the first visible
// top-level window of these classes, in this order, so that an open dialog comes before
// the main window it belongs to. Hidden windows (dialogs kept between uses) are skipped.
inline constexpr const char* kForemostWindowClasses[] = {
    "TfrmSetting",     "TfrmAlert",       "TfrmConfirmation", "TfrmFolderSelect",
    "TfrmVersionInfo", "TfrmPEndMessage", "TfrmMain",
};

QWidget* FindForemostWindow();

// Restores the window when minimized, raises and activates it.
void BringToFront(QWidget* window);

// FindForemostWindow, then BringToFront when there is one.
void BringForemostWindowToFront();

}  // namespace morvane::gui
