#include "gui/busy_caption.h"

#include <QWidget>

namespace morvane::gui {

BusyCaption::BusyCaption(QWidget* window, const QString& caption)
    : m_window(window), m_savedCaption(window->windowTitle()) {
  m_window->setWindowTitle(caption);
}

BusyCaption::~BusyCaption() { m_window->setWindowTitle(m_savedCaption); }

}  // namespace morvane::gui
