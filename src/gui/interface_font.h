#pragma once

#include <QFont>

class QApplication;

namespace morvane::gui {

// The program's user-interface font: a proportional Japanese Gothic face, 12 pixels
// high (IPAPGothic when installed; Qt's fallback otherwise).
QFont UiFont();

// Makes it the font of every window, the menus and message boxes included.
void ApplyUiFont(QApplication& application);

}  // namespace morvane::gui
