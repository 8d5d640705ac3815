#pragma once

#include <QString>

class QLabel;

namespace morvane::gui {

// Shows text in a label of fixed width: cut in the middle with an ellipsis when it does
// not fit (a long path keeps its start and its file name), whole in the tooltip.
void SetElidedText(QLabel* label, const QString& text);

}  // namespace morvane::gui
