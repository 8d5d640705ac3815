#pragma once

#include <QWidget>

namespace morvane::probe {

// At the window's first paint, prints "shown <CLOCK_REALTIME in ns>" to standard output,
// so that a script can time the start-up from outside; then quits the program when
// quit is true.
void ReportFirstPaint(QWidget& window, bool quit);

}  // namespace morvane::probe
