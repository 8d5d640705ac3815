#include "gui/elided_label.h"

#include <QFontMetrics>
#include <QLabel>

namespace morvane::gui {

void SetElidedText(QLabel* label, const QString& text) {
  // A label shows its text plainly: a file name that looks like markup stays a name.
  label->setTextFormat(Qt::PlainText);
  label->setText(label->fontMetrics().elidedText(text, Qt::ElideMiddle, label->width()));
  label->setToolTip(text);
}

}  // namespace morvane::gui
