// SIGTERM and SIGHUP for the window program: a close, saving what the close saves, when
// no run is going; an abort of the run when one is.
#include <signal.h>

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "gui/stop_signal_watch.h"
#include "platform/stop_signals.h"
#include "program_process.h"
#include "target_fixture.h"
#include "window_test_main.h"

using morvane::core::OverwriteChoice;
using morvane::test::ProgramEnvironment;
using morvane::test::TargetWindow;

class SignalsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { morvane::core::SetActiveCodePage(morvane::core::CodePage::Utf8()); }

  void anIdleWindowClosesAndSavesOnTermAndHangUp() {
    for (const int signal : {SIGTERM, SIGHUP}) {
      QTemporaryDir runtime;
      QTemporaryDir home;
      QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
      // The addition mode, which the close writes to the settings file.
      QFile settings(home.filePath(QStringLiteral("morvane.INI")));
      QVERIFY(settings.open(QIODevice::WriteOnly));
      settings.write("[Option]\r\nAddStr=1\r\n");
      settings.close();

      QProcess program;
      program.setProcessEnvironment(ProgramEnvironment(runtime.path(), home.path()));
      program.start(QStringLiteral(MORVANE_PROBE_PROGRAM),
                    {QStringLiteral("first-paint"), QStringLiteral("--stay")});
      QVERIFY(program.waitForStarted());
      QByteArray output;
      QTRY_VERIFY_WITH_TIMEOUT((output += program.readAllStandardOutput()).contains("shown"), 20000);
      QFile::remove(home.filePath(QStringLiteral("morvane.INI")));

      ::kill(static_cast<pid_t>(program.processId()), signal);
      QVERIFY(program.waitForFinished(20000));
      QCOMPARE(program.exitStatus(), QProcess::NormalExit);
      QCOMPARE(program.exitCode(), 0);
      QVERIFY(settings.open(QIODevice::ReadOnly));
      const QByteArray saved = settings.readAll();
      settings.close();
      QVERIFY2(saved.contains("[Window]") && saved.contains("Left=") && saved.contains("AddStr=1"),
               saved.constData());
    }
  }

  void aSignalDuringARunAbortsItAndKeepsTheWindow() {
    TargetWindow t;
    morvane::gui::CloseOnStopSignals(*t.window);
    t.Make({{"in/a.txt", 1}, {"in/b.txt", 1}, {"in/c.txt", 1}, {"in/d.txt", 1}, {"out/n2.txt", 1}});
    t.window->StoreDroppedPaths({t.At("in")});
    t.window->cboStartSeqNbr->setEditText(QStringLiteral("1"));
    t.window->cboKyotsuName->setEditText(QStringLiteral("n"));
    t.window->cboOutputDir->setEditText(QString::fromStdString(t.At("out")));
    // The second file's new name is taken; while its alert is up, the signal comes.
    t.window->Alerts().AnswerNextWith([] {
      std::raise(SIGTERM);
      return OverwriteChoice::Skip;
    });
    t.AnswerRunDialogs();
    t.window->btnStart->click();

    QVERIFY(std::filesystem::exists(t.At("out/n1.txt")));
    QVERIFY(!std::filesystem::exists(t.At("out/n3.txt")));
    QVERIFY(!std::filesystem::exists(t.At("out/n4.txt")));
    const QByteArray result =
        morvane::test::WindowHome::ReadFile(QString::fromStdString(t.window->Files().resultFile));
    QVERIFY2(result.contains("以降のリネーム処理はすべてキャンセルされました。"), result.constData());
    QVERIFY(result.contains("リネーム失敗数 = 0 件"));
    // The signal was the run's: the window stays, and the next signal is a first one.
    QCoreApplication::processEvents();
    QVERIFY(t.window->isVisible());
    QVERIFY(!t.window->RunGoing());
    QVERIFY(!morvane::platform::StopSignalReceived());
    morvane::platform::ReleaseStopSignals();
  }
};

MORVANE_WINDOW_TEST(SignalsTest)
#include "program_process.h"
#include "untMain_signals_test.moc"
