#include "gui/interface_font.h"

#include <QApplication>
#include <QFont>

namespace morvane::gui {

void ApplyUiFont(QApplication& application) {
  QFont font(QStringLiteral("IPAPGothic"));
  font.setPixelSize(12);
  font.setStyleHint(QFont::SansSerif);
  application.setFont(font);
}

}  // namespace morvane::gui
