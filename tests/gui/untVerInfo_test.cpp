// The version dialog: its texts, OK as the default button, and the icon's link.
#include "gui/untVerInfo.h"

#include <QTest>

#include "window_fixture.h"
#include "window_test_main.h"

using morvane::gui::TfrmVersionInfo;

class VersionDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheNameAndClosesOnEnter() {
    TfrmVersionInfo dialog(QString{});
    QCOMPARE(dialog.windowTitle(), QStringLiteral("バージョン情報"));
    QCOMPARE(dialog.lblProgramName->text(), QStringLiteral("Morvane Version 2.23"));
    QCOMPARE(dialog.imgIcon->toolTip(), QStringLiteral("ホームページへ"));
    QCOMPARE(dialog.imgIcon->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(dialog.size(), QSize(225, 118));
    QVERIFY(!dialog.imgIcon->pixmap().isNull());
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    morvane::test::PressKey(Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
  }

  void theIconOpensTheHomePageAndLeavesTheDialogOpen() {
    QStringList opened;
    TfrmVersionInfo dialog(QStringLiteral("https://example.org/morvane"));
    dialog.SetUrlOpener([&](const QString& address) { opened << address; });
    dialog.show();
    QTest::mouseClick(dialog.imgIcon, Qt::LeftButton);
    QCOMPARE(opened, QStringList{QStringLiteral("https://example.org/morvane")});
    QVERIFY(dialog.isVisible());

    TfrmVersionInfo withoutHomePage(QString{});
    withoutHomePage.SetUrlOpener([&](const QString& address) { opened << address; });
    withoutHomePage.show();
    QTest::mouseClick(withoutHomePage.imgIcon, Qt::LeftButton);
    QCOMPARE(opened.size(), 1);
  }
};

MORVANE_WINDOW_TEST(VersionDialogTest)
#include "untVerInfo_test.moc"
