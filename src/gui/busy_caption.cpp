#include "gui/busy_caption.h"

#include <QApplication>
#include <QWidget>

namespace morvane::gui {

BusyCaption::BusyCaption(QWidget* window, const QString& caption)
    : m_window(window), m_savedCaption(window->windowTitle()) {
  m_window->setWindowTitle(caption);
  QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCaption::~BusyCaption() {
  QApplication::restoreOverrideCursor();
  m_window->setWindowTitle(m_savedCaption);
}

}  // namespace morvane::gui
