// One instance per session: the lock and the request to raise, the window chosen for
// the front, and two real starts of the program.
#include "gui/single_instance.h"

#include <QDialog>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "gui/foremost_window.h"
#include "program_process.h"

// Stand-ins named like the program's windows; only their class names matter.
class TfrmSetting : public QDialog {
  Q_OBJECT
};
class TfrmAlert : public QDialog {
  Q_OBJECT
};
namespace fake {
class TfrmMain : public QWidget {
  Q_OBJECT
};
}  // namespace fake

using morvane::gui::BringToFront;
using morvane::gui::FindForemostWindow;
using morvane::gui::SingleInstance;
using morvane::test::ProgramEnvironment;

namespace {

const QStringList kReportAndStay = {QStringLiteral("first-paint"), QStringLiteral("--stay")};
const QStringList kReportAndQuit = {QStringLiteral("first-paint")};

}  // namespace

class SingleInstanceTest : public QObject {
  Q_OBJECT

 private slots:
  void laterInstanceAsksTheFirstToRaise() {
    QTemporaryDir folder;
    SingleInstance first(folder.path());
    QVERIFY(first.Claim());
    int raised = 0;
    first.Listen([&raised] { ++raised; });

    SingleInstance second(folder.path());
    QVERIFY(!second.Claim());
    QVERIFY(second.AskFirstToRaise());
    QTRY_COMPARE(raised, 1);
  }

  void aFailingMechanismMeansTheOnlyInstance() {
    SingleInstance nowhere(QStringLiteral("/nonexistent/morvane-test"));
    QVERIFY(nowhere.Claim());
    nowhere.Listen([] {});
    QVERIFY(!SingleInstance(QStringLiteral("/nonexistent/morvane-test")).AskFirstToRaise());
  }

  void anOpenDialogComesBeforeTheMainWindow() {
    fake::TfrmMain main;
    TfrmSetting setting;
    TfrmAlert alert;
    QCOMPARE(FindForemostWindow(), nullptr);
    main.show();
    QCOMPARE(FindForemostWindow(), &main);
    alert.show();
    QCOMPARE(FindForemostWindow(), &alert);
    setting.show();
    QCOMPARE(FindForemostWindow(), &setting);
    // Dialogs kept hidden between uses are not brought forward.
    setting.hide();
    alert.hide();
    QCOMPARE(FindForemostWindow(), &main);
  }

  void aMinimizedWindowIsRestored() {
    fake::TfrmMain main;
    main.showMinimized();
    QVERIFY(main.isMinimized());
    BringToFront(FindForemostWindow());
    QVERIFY(!main.isMinimized());
    QVERIFY(main.isVisible());
  }

  void secondStartOfTheProgramEndsWithoutAWindow() {
    QTemporaryDir runtime;
    QTemporaryDir home;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcess first;
    first.setProcessEnvironment(ProgramEnvironment(runtime.path(), home.path()));
    first.start(QStringLiteral(MORVANE_PROBE_PROGRAM), kReportAndStay);
    QVERIFY(first.waitForStarted());
    QByteArray firstOutput;
    QTRY_VERIFY2_WITH_TIMEOUT((firstOutput += first.readAllStandardOutput()).contains("shown"),
                              first.readAllStandardError().constData(), 20000);

    QProcess second;
    second.setProcessEnvironment(ProgramEnvironment(runtime.path(), home.path()));
    second.start(QStringLiteral(MORVANE_PROBE_PROGRAM), kReportAndQuit);
    QVERIFY(second.waitForFinished(20000));
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(!second.readAllStandardOutput().contains("shown"));

    // A first instance that died leaves its lock behind; the next start takes it over.
    first.kill();
    QVERIFY(first.waitForFinished(20000));
    QProcess third;
    third.setProcessEnvironment(ProgramEnvironment(runtime.path(), home.path()));
    third.start(QStringLiteral(MORVANE_PROBE_PROGRAM), kReportAndQuit);
    QVERIFY(third.waitForFinished(20000));
    QCOMPARE(third.exitCode(), 0);
    QVERIFY(third.readAllStandardOutput().contains("shown"));
  }
};

QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
