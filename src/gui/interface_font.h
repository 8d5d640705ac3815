#pragma once

class QApplication;

namespace morvane::gui {

// The program's user-interface font: a proportional Japanese Gothic face, 12 pixels
// high (IPAPGothic when installed; Qt's fallback otherwise).
void ApplyUiFont(QApplication& application);

}  // namespace morvane::gui
