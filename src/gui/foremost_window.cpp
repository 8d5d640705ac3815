#include "gui/foremost_window.h"

#include <QApplication>

namespace morvane::gui {
namespace {

// The class name without its namespace ("morvane::gui::TfrmMain" gives "TfrmMain").
QString UnqualifiedClassName(const QWidget* widget) {
  const QString name = QString::fromLatin1(widget->metaObject()->className());
  return name.mid(name.lastIndexOf(QLatin1Char(':')) + 1);
}

}  // namespace

QWidget* FindForemostWindow() {
  const QWidgetList windows = QApplication::topLevelWidgets();
  for (const char* className : kForemostWindowClasses) {
    for (QWidget* window : windows) {
      if (window->isVisible() && UnqualifiedClassName(window) == QLatin1String(className)) return window;
    }
  }
  return nullptr;
}

void BringToFront(QWidget* window) {
  if (window->isMinimized()) window->showNormal();
  window->raise();
  window->activateWindow();
}

void BringForemostWindowToFront() {
  if (QWidget* window = FindForemostWindow()) BringToFront(window);
}

}  // namespace morvane::gui
