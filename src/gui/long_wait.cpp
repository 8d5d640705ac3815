#include "gui/long_wait.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "gui/wait_cursor.h"

namespace morvane::gui {
namespace {

constexpr int kPollMilliseconds = 20;
constexpr int kShowProgressAfterMilliseconds = 1000;

// Drops the clicks, keys, wheels, drops and closes meant for the program's windows while
// it waits, as a run does: kept for later, they would act on what the wait is changing.
class InputRefusal : public QObject {
 public:
  InputRefusal() { QCoreApplication::instance()->installEventFilter(this); }
  ~InputRefusal() override { QCoreApplication::instance()->removeEventFilter(this); }
  InputRefusal(const InputRefusal&) = delete;
  InputRefusal& operator=(const InputRefusal&) = delete;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::ShortcutOverride:
      case QEvent::Drop:
      case QEvent::Close:
        event->ignore();
        return true;
      default:
        return QObject::eventFilter(watched, event);
    }
  }
};

}  // namespace

void WaitUntilReady(QWidget* window, const QString& what, const std::function<bool()>& ready) {
  if (ready()) return;
  const WaitCursor waiting;
  QElapsedTimer clock;
  clock.start();
  std::unique_ptr<QProgressDialog> progress;
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (ready()) {
      loop.quit();
      return;
    }
    if (progress || clock.elapsed() < kShowProgressAfterMilliseconds) return;
    // A busy bar: how far the work is cannot be told.
    progress = std::make_unique<QProgressDialog>(what, QString(), 0, 0, window);
    progress->setObjectName(QStringLiteral("dlgLongWait"));
    progress->setWindowTitle(QStringLiteral("Morvane"));
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(0);
    progress->show();
  });
  poll.start(kPollMilliseconds);
  const InputRefusal refusal;
  // Paths handed over by another start wait: they are added after what is being added.
  loop.exec(QEventLoop::ExcludeSocketNotifiers);
  if (progress && window != nullptr) {
    // The keyboard goes back to the window the progress took it from.
    progress.reset();
    window->window()->activateWindow();
  }
}

}  // namespace morvane::gui
