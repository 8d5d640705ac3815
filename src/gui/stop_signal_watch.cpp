#include "gui/stop_signal_watch.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <csignal>

#include "gui/untMain.h"
#include "platform/stop_signals.h"

namespace morvane::gui {
namespace {

class StopSignalWatch : public QObject {
 public:
  explicit StopSignalWatch(TfrmMain& window)
      : QObject(&window),
        m_window(window),
        m_notifier(platform::StopSignalNotifier(), QSocketNotifier::Read, this) {
    connect(&m_notifier, &QSocketNotifier::activated, this, &StopSignalWatch::Act);
  }

 private:
  void Act() {
    platform::DrainStopSignalNotifier();
    if (!platform::StopSignalReceived()) return;
    if (m_window.RunGoing()) {
      // The run asks before each file and ends there; the signal is its to clear.
      if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
      return;
    }
    platform::ClearStopSignal();
    Close();
  }

  void Close() {
    // A dialog's own event loop must end before the window can close behind it.
    if (QWidget* modal = QApplication::activeModalWidget()) {
      modal->close();
      QTimer::singleShot(0, this, &StopSignalWatch::Close);
      return;
    }
    m_window.close();
  }

  TfrmMain& m_window;
  QSocketNotifier m_notifier;
};

}  // namespace

void CloseOnStopSignals(TfrmMain& window) {
  platform::CatchStopSignals({SIGTERM, SIGHUP});
  new StopSignalWatch(window);
}

}  // namespace morvane::gui
