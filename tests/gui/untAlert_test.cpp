// The overwrite alert: what it shows, which answers it offers to which caller, where the
// keyboard starts, and what each way of closing it answers.
#include "gui/untAlert.h"

#include <QTest>

#include "core/text/code_page.h"
#include "when_modal.h"
#include "window_fixture.h"
#include "window_test_main.h"

using morvane::core::CallerKind;
using morvane::core::OverwriteChoice;
using morvane::core::OverwriteQuestion;
using morvane::gui::TfrmAlert;

Q_DECLARE_METATYPE(CallerKind)
Q_DECLARE_METATYPE(OverwriteChoice)

namespace {

// The buttons the Tab key visits from the initial focus of the active window, in order,
// once round.
QStringList TabRound() {
  QStringList names;
  QWidget* start = QApplication::focusWidget();
  QWidget* current = start;
  do {
    names << (current ? current->objectName() : QStringLiteral("(none)"));
    morvane::test::PressKey(Qt::Key_Tab);
    current = QApplication::focusWidget();
  } while (current != start && names.size() < 10);
  return names;
}

}  // namespace

class AlertTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { morvane::core::SetActiveCodePage(morvane::core::CodePage::Utf8()); }

  void showsTheNewNameItsFolderAndTheSourceWithWholeTooltips() {
    const std::string longFolder = "/srv/" + std::string(300, 'd');
    struct Case {
      std::string newPath, source;
      QString name, folder;
    };
    const Case cases[] = {
        {"/out/写真/02.txt", "/in/a b/x.txt", QStringLiteral("02.txt"), QStringLiteral("/out/写真")},
        {"/02.txt", "/in/x.txt", QStringLiteral("02.txt"), QStringLiteral("/")},
        {longFolder + "/<b>01.txt", longFolder + "/a.txt", QStringLiteral("<b>01.txt"),
         QString::fromStdString(longFolder)},
    };
    for (const Case& c : cases) {
      TfrmAlert alert(OverwriteQuestion{c.newPath, c.source});
      QCOMPARE(alert.lblAfterFileName->toolTip(), c.name);
      QCOMPARE(alert.lblAfterPath->toolTip(), c.folder);
      QCOMPARE(alert.lblBeforeFullPath->toolTip(), QString::fromStdString(c.source));
      for (QLabel* label : {alert.lblAfterFileName, alert.lblAfterPath, alert.lblBeforeFullPath}) {
        // Short texts are shown whole; long ones are cut to the label's fixed width.
        const bool fits = label->fontMetrics().horizontalAdvance(label->toolTip()) <= label->width();
        QCOMPARE(label->text() == label->toolTip(), fits);
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
        QCOMPARE(label->textFormat(), Qt::PlainText);
      }
    }
  }

  void offersTheAnswersThatFitTheCallerAndStartsOnASafeOne_data() {
    QTest::addColumn<CallerKind>("caller");
    QTest::addColumn<bool>("overwriteOffered");
    QTest::addColumn<QStringList>("tabRound");
    const QStringList sequential = {"btnAuto",   "btnOverWrite", "btnAllOverWrite",
                                    "btnCancel", "btnAbort",     "btnHelp"};
    const QStringList other = {"btnAbort", "btnOverWrite", "btnAllOverWrite", "btnCancel", "btnHelp"};
    QTest::newRow("sequential copy") << CallerKind::SequentialRun << true << sequential;
    QTest::newRow("sequential in place")
        << CallerKind::SequentialRun << false << QStringList{"btnAuto", "btnCancel", "btnAbort", "btnHelp"};
    QTest::newRow("other mode copy") << CallerKind::OtherMode << true << other;
    QTest::newRow("other mode, waiting source")
        << CallerKind::OtherMode << false << QStringList{"btnAbort", "btnCancel", "btnHelp"};
  }
  void offersTheAnswersThatFitTheCallerAndStartsOnASafeOne() {
    QFETCH(CallerKind, caller);
    QFETCH(bool, overwriteOffered);
    QFETCH(QStringList, tabRound);
    TfrmAlert alert(OverwriteQuestion{"/out/01.txt", "/in/a.txt", caller, overwriteOffered});
    alert.show();
    alert.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&alert));
    QCOMPARE(alert.btnAuto->isVisible(), caller == CallerKind::SequentialRun);
    QCOMPARE(alert.btnOverWrite->isEnabled(), overwriteOffered);
    QCOMPARE(alert.btnAllOverWrite->isEnabled(), overwriteOffered);
    QCOMPARE(TabRound(), tabRound);
  }

  void eachWayOfClosingGivesItsAnswer_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<OverwriteChoice>("choice");
    QTest::newRow("上書き") << "btnOverWrite" << OverwriteChoice::Overwrite;
    QTest::newRow("以降全て上書き") << "btnAllOverWrite" << OverwriteChoice::OverwriteAll;
    QTest::newRow("オート") << "btnAuto" << OverwriteChoice::Auto;
    QTest::newRow("キャンセル") << "btnCancel" << OverwriteChoice::Skip;
    QTest::newRow("中止") << "btnAbort" << OverwriteChoice::Abort;
    QTest::newRow("Enter on the first focus") << "Enter" << OverwriteChoice::Auto;
    QTest::newRow("Escape") << "Escape" << OverwriteChoice::Skip;
    QTest::newRow("close box") << "close" << OverwriteChoice::Skip;
  }
  void eachWayOfClosingGivesItsAnswer() {
    QFETCH(QString, action);
    QFETCH(OverwriteChoice, choice);
    TfrmAlert alert(OverwriteQuestion{"/out/01.txt", "/in/a.txt"});
    alert.show();
    alert.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&alert));
    QCOMPARE(alert.Choice(), OverwriteChoice::Skip);
    if (action == "Enter") {
      morvane::test::PressKey(Qt::Key_Return);
    } else if (action == "Escape") {
      morvane::test::PressKey(Qt::Key_Escape);
    } else if (action == "close") {
      alert.close();
    } else {
      alert.findChild<QPushButton*>(action)->click();
    }
    QVERIFY(!alert.isVisible());
    QCOMPARE(alert.Choice(), choice);
  }

  // The help button leaves the question open; the answer comes from the next button, and
  // the alert is gone once the answer is back.
  void theModalAlertAsksOnceAndLeavesNothingBehind() {
    QWidget parent;
    int helpCount = 0;
    bool stayedOpen = false;
    const morvane::test::WhenModal<TfrmAlert> answer(QStringLiteral("the overwrite alert"),
                                                     [&stayedOpen](TfrmAlert& alert) {
                                                       alert.btnHelp->click();
                                                       stayedOpen = alert.isVisible();
                                                       alert.btnAllOverWrite->click();
                                                     });
    const OverwriteChoice choice = morvane::gui::ShowOverwriteAlert(
        OverwriteQuestion{"/out/01.txt", "/in/a.txt"}, &parent, [&helpCount] { ++helpCount; });
    QCOMPARE(choice, OverwriteChoice::OverwriteAll);
    QCOMPARE(helpCount, 1);
    QVERIFY(stayedOpen);
    QVERIFY(parent.findChildren<TfrmAlert*>().isEmpty());
  }
};

MORVANE_WINDOW_TEST(AlertTest)
#include "untAlert_test.moc"
