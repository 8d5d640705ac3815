#include "first_paint.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace morvane::probe {
namespace {

long long RealTimeNs() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

class FirstPaintFilter : public QObject {
 public:
  FirstPaintFilter(QWidget* window, bool quit) : QObject(window), m_quit(quit) {
    window->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      std::printf("shown %lld\n", RealTimeNs());
      // The reader may be a pipe that waits for this line while the program runs on.
      std::fflush(stdout);
      if (m_quit) QTimer::singleShot(0, qApp, &QApplication::quit);
    }
    return false;
  }

 private:
  bool m_quit;
};

}  // namespace

void ReportFirstPaint(QWidget& window, bool quit) { new FirstPaintFilter(&window, quit); }

}  // namespace morvane::probe
