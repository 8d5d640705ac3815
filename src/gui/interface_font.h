#pragma once

#include <QFont>

namespace morvane::gui {

// The program's user-interface font: a proportional Japanese Gothic face, 12 pixels
// high (IPAPGothic when installed; Qt's fallback otherwise).
QFont UiFont();

// Makes it the font of every window, the menus and message boxes included (the
// application's font: call it once the QApplication exists).
void ApplyUiFont();

}  // namespace morvane::gui
