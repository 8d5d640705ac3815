#include "gui/confirm_dialog.h"

#include <QGuiApplication>
#include <QScreen>

namespace morvane::gui {

bool ConfirmModally(QDialog& dialog, std::deque<bool>& answers, bool& confirmed) {
  confirmed = false;
  if (!answers.empty()) {
    confirmed = answers.front();
    answers.pop_front();
    return confirmed;
  }
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    dialog.move(screen->availableGeometry().center() - dialog.rect().center());
  dialog.exec();
  return confirmed;
}

}  // namespace morvane::gui
