#include "gui/interface_font.h"

#include <QApplication>

namespace morvane::gui {

QFont UiFont() {
  QFont font(QStringLiteral("IPAPGothic"));
  font.setPixelSize(12);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

void ApplyUiFont() { QApplication::setFont(UiFont()); }

}  // namespace morvane::gui
