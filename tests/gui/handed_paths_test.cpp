// A second start of the real program hands its paths to the window of this process,
// which serves later starts as the program's first instance does.
#include "gui/handed_paths.h"

#include <QDialog>
#include <QMessageBox>
#include <QProcess>
#include <QTest>
#include <optional>

#include "gui/single_instance.h"
#include "program_process.h"
#include "window_fixture.h"
#include "window_test_main.h"

using morvane::gui::kPathsNotTakenNotice;
using morvane::gui::ServeLaterStarts;
using morvane::gui::SingleInstance;
using morvane::test::Paths;
using morvane::test::ProgramEnvironment;
using morvane::test::WindowFixture;

namespace {

enum class Busy { No, RunGoing, DialogOpen };

// The window of the first instance, listening in a private runtime folder.
struct FirstInstance : WindowFixture {
  FirstInstance() {
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    OpenShown();
    instance.emplace(runtime.path());
    if (!instance->Claim()) qFatal("the lock of a fresh runtime folder is taken");
    ServeLaterStarts(*instance, *window);
  }
  ~FirstInstance() {
    window.reset();
    instance.reset();
  }

  // `morvane <arguments>` started in the folder, as a person starts it a second time.
  void StartSecond(const QStringList& arguments, const QString& folder) {
    QProcess second;
    second.setProcessEnvironment(ProgramEnvironment(runtime.path(), QString::fromStdString(data)));
    second.setWorkingDirectory(folder);
    second.start(QStringLiteral(MORVANE_WINDOW_PROGRAM), arguments);
    QVERIFY(second.waitForStarted());
    // The second start waits for nothing: it hands over and ends, while this event loop
    // keeps going for the first.
    QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 20000);
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
  }

  // The notice, wherever it was put.
  static QMessageBox* Notice() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top->objectName() == QLatin1String(kPathsNotTakenNotice)) return qobject_cast<QMessageBox*>(top);
    }
    return nullptr;
  }

  QTemporaryDir runtime;
  std::optional<SingleInstance> instance;
};

}  // namespace

class HandedPathsTest : public QObject {
  Q_OBJECT

 private slots:
  void pathsOfASecondStartGoToTheTopOfTheList() {
    FirstInstance first;
    first.Make({{"old.txt", 1}, {"photos/a.jpg", 1}, {"photos/b.jpg", 1}, {"scans/", 0}});
    first.window->AppendTarget(first.At("old.txt"));
    // Relative to the second start's own folder; a missing path is left out as from the
    // command line.
    first.StartSecond({"a.jpg", "./b.jpg", "../scans", "missing.jpg"},
                      QString::fromStdString(first.At("photos")));
    const std::string scans = first.At("photos") + "/../scans";
    QTRY_COMPARE(first.window->Targets().Paths(),
                 (Paths{scans, first.At("photos/b.jpg"), first.At("photos/a.jpg"), first.At("old.txt")}));
    QVERIFY(first.window->btnStart->isEnabled());
    QCOMPARE(FirstInstance::Notice(), nullptr);
  }

  void aBusyWindowNamesThePathsItLeaves_data() {
    QTest::addColumn<Busy>("busy");
    QTest::newRow("a run going") << Busy::RunGoing;
    QTest::newRow("a dialog open") << Busy::DialogOpen;
  }
  void aBusyWindowNamesThePathsItLeaves() {
    QFETCH(Busy, busy);
    FirstInstance first;
    first.Make({{"a.jpg", 1}, {"b\nc.jpg", 1}});
    QDialog dialog(first.window.get());
    if (busy == Busy::RunGoing) first.window->SetRunGoing(true);
    if (busy == Busy::DialogOpen) dialog.open();
    first.StartSecond({"a.jpg", "b\nc.jpg"}, QString::fromStdString(first.data));
    QTRY_VERIFY(FirstInstance::Notice() != nullptr);
    const QString text = FirstInstance::Notice()->text();
    QVERIFY2(text.contains(QString::fromStdString(first.At("a.jpg"))), qPrintable(text));
    // A name with a line feed is named as the logs name it, on one line.
    QVERIFY2(text.contains(QStringLiteral("$'") + QString::fromStdString(first.data) +
                           QStringLiteral("/b\\nc.jpg'")),
             qPrintable(text));
    QVERIFY(!FirstInstance::Notice()->isModal());
    QVERIFY(first.window->Targets().Paths().empty());
    // Once idle again, a later start is taken as usual.
    first.window->SetRunGoing(false);
    dialog.close();
    FirstInstance::Notice()->close();
    first.StartSecond({"a.jpg"}, QString::fromStdString(first.data));
    QTRY_COMPARE(first.window->Targets().Paths(), Paths{first.At("a.jpg")});
  }
};

MORVANE_WINDOW_TEST(HandedPathsTest)
#include "handed_paths_test.moc"
