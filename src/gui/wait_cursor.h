#pragma once

#include <QApplication>

namespace morvane::gui {

// The hourglass for as long as this lives: work on the window's thread that takes a
// moment, during which the window does not answer. It comes back however the work ends.
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace morvane::gui
