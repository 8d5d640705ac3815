// A long wait keeps the window painting and, past a second, says what it waits for.
#include "gui/long_wait.h"

#include <QLineEdit>
#include <QProgressDialog>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <thread>

#include "window_fixture.h"
#include "window_test_main.h"

class LongWaitTest : public QObject {
  Q_OBJECT

 private slots:
  void aWaitPastASecondShowsWhatItWaitsForThenGivesTheResult() {
    QWidget window;
    auto* field = new QLineEdit(&window);
    window.show();
    morvane::test::GiveFocus(field);
    QString shownEarly = QStringLiteral("none");
    QString shownLate;
    const auto shownText = [&window] {
      auto* dialog = window.findChild<QProgressDialog*>(QStringLiteral("dlgLongWait"));
      return dialog != nullptr && dialog->isVisible() ? dialog->labelText() : QString();
    };
    QTimer::singleShot(300, [&] {
      shownEarly = shownText();
      morvane::test::TypeKeys(QStringLiteral("ab"));
    });
    QTimer::singleShot(1300, [&] { shownLate = shownText(); });
    const int result = morvane::gui::WaitFor(&window, QStringLiteral("読んでいます..."), [] {
      std::this_thread::sleep_for(std::chrono::milliseconds(1600));
      return 42;
    });
    QCOMPARE(result, 42);
    QCOMPARE(shownEarly, QString());
    QCOMPARE(shownLate, QStringLiteral("読んでいます..."));
    QVERIFY(window.findChild<QProgressDialog*>(QStringLiteral("dlgLongWait")) == nullptr);
    QCOMPARE(field->text(), QString());  // typed while waiting: dropped, not kept for later
    // The keyboard is back with the window once the progress window is gone.
    QTRY_COMPARE(QGuiApplication::focusWindow(), window.windowHandle());
    morvane::test::TypeKeys(QStringLiteral("c"));
    QCOMPARE(field->text(), QStringLiteral("c"));
  }
};

MORVANE_WINDOW_TEST(LongWaitTest)
#include "long_wait_test.moc"
