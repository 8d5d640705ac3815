#include "gui/run_stop_part.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QPushButton>

namespace morvane::gui {
namespace {

bool IsPointerInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
      return true;
    default:
      return false;
  }
}

bool PressesButton(const QKeyEvent& key) {
  return key.modifiers() == Qt::NoModifier &&
         (key.key() == Qt::Key_Space || key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter);
}

}  // namespace

RunStopPart::RunStopPart(QMainWindow& window, QWidget* startButton, QWidget* controls, QWidget* menus)
    : QObject(&window),
      m_window(window),
      m_startButton(startButton),
      m_controls(controls),
      m_menus(menus),
      // A child of the window itself, not of the controls, so that it stays enabled.
      m_stopButton(new QPushButton(QStringLiteral("中止(&S)"), &window)) {
  m_stopButton->setObjectName(QStringLiteral("btnStop"));
  m_stopButton->hide();
  connect(m_stopButton, &QPushButton::clicked, this, &RunStopPart::AskStop);
}

void RunStopPart::Begin() {
  m_going = true;
  m_stopAsked = false;
  m_focusBefore = QApplication::focusWidget();
  m_controls->setEnabled(false);
  m_menus->setEnabled(false);
  m_stopButton->setGeometry(QRect(m_startButton->mapTo(&m_window, QPoint(0, 0)), m_startButton->size()));
  m_stopButton->setEnabled(true);
  m_startButton->hide();
  m_stopButton->show();
  m_stopButton->raise();
  m_stopButton->setFocus();
  qApp->installEventFilter(this);
}

void RunStopPart::End() {
  if (!m_going) return;
  m_going = false;
  qApp->removeEventFilter(this);
  m_stopButton->hide();
  m_startButton->show();
  m_controls->setEnabled(true);
  m_menus->setEnabled(true);
  if (m_focusBefore != nullptr) m_focusBefore->setFocus();
}

void RunStopPart::AskStop() {
  m_stopAsked = true;
  // Seen at once: the run ends after the file in hand.
  m_stopButton->setEnabled(false);
}

bool RunStopPart::IsStopButton(QObject* object) const { return object == m_stopButton; }

bool RunStopPart::eventFilter(QObject* watched, QEvent* event) {
  // A dialog the run opened takes its own input; Qt keeps it from the windows behind.
  if (!m_going || QApplication::activeModalWidget() != nullptr || !watched->isWidgetType())
    return QObject::eventFilter(watched, event);
  const QEvent::Type type = event->type();
  if (type == QEvent::Close && watched == &m_window) {
    AskStop();
    event->ignore();
    return true;
  }
  if (IsPointerInput(type)) return !IsStopButton(watched);
  if (type == QEvent::ShortcutOverride) {
    // Taken here, no shortcut or menu key fires; the stop button's own Alt+S still does.
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() == Qt::AltModifier && key->key() == Qt::Key_S) return false;
    event->accept();
    return true;
  }
  if (type == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape) {
      AskStop();
      return true;
    }
    return !(IsStopButton(watched) && PressesButton(*key));
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace morvane::gui
