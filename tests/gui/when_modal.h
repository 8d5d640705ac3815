#pragma once

// Answering a modal dialog from inside the event loop that shows it, with a bound.

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QString>
#include <QTest>
#include <QTimer>
#include <functional>
#include <source_location>

namespace morvane::test {

// Runs act on the dialog of type Dialog once it is the active modal window, inside the
// event loop that shows it. Arm it before the call that opens the dialog, and keep it
// until that call has returned.
//
// A dialog that never comes fails the test with its name, at the line that armed it:
// within boundMs when the call waits in another modal window (which is then closed, so
// that the test ends instead of hanging), or at the end of the scope when the call
// returned without one. It never acts later, in another test.
template <class Dialog>
class WhenModal {
 public:
  WhenModal(QString name, std::function<void(Dialog&)> act, int boundMs = 5000,
            std::source_location where = std::source_location::current())
      : m_name(std::move(name)), m_act(std::move(act)), m_boundMs(boundMs), m_where(where) {
    m_poll.setInterval(10);
    QObject::connect(&m_poll, &QTimer::timeout, &m_poll, [this] { Poll(); });
    m_waited.start();
    m_poll.start();
  }
  ~WhenModal() {
    if (!m_acted && !m_failed) Fail(QStringLiteral("never came up"));
  }
  WhenModal(const WhenModal&) = delete;
  WhenModal& operator=(const WhenModal&) = delete;

 private:
  void Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* dialog = qobject_cast<Dialog*>(modal)) {
      m_poll.stop();
      m_acted = true;
      m_act(*dialog);
      return;
    }
    if (m_waited.elapsed() < m_boundMs) return;
    m_poll.stop();
    QString failure = QStringLiteral("was not up within %1 ms").arg(m_boundMs);
    if (modal != nullptr) {
      failure += QStringLiteral("; %1 \"%2\" was up instead and is closed")
                     .arg(QString::fromLatin1(modal->metaObject()->className()), modal->windowTitle());
    }
    Fail(failure);
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
      dialog->reject();
    } else if (modal != nullptr) {
      modal->close();
    }
  }

  void Fail(const QString& what) {
    m_failed = true;
    const QString message = QStringLiteral("%1 (%2) %3")
                                .arg(m_name, QString::fromLatin1(Dialog::staticMetaObject.className()), what);
    QTest::qFail(message.toUtf8().constData(), m_where.file_name(), static_cast<int>(m_where.line()));
  }

  QString m_name;
  std::function<void(Dialog&)> m_act;
  int m_boundMs;
  std::source_location m_where;
  QTimer m_poll;
  QElapsedTimer m_waited;
  bool m_acted = false;
  bool m_failed = false;
};

}  // namespace morvane::test
