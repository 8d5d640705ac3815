// The status bar's information panel for every kind of selection, and the progress bar.
#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>

#include "core/targets/status_texts.h"
#include "gui/qt_text.h"
#include "platform/posix_file_system.h"
#include "target_fixture.h"
#include "window_test_main.h"

using morvane::test::TargetWindow;

class StatusTest : public QObject {
  Q_OBJECT

 private slots:
  void emptyListShowsTheFreeSpaceAlsoAsTheHint() {
    TargetWindow t;
    const QString expected = morvane::gui::ToQString(
        morvane::core::FreeSpaceText(morvane::platform::PosixFileSystem(), morvane::core::ActiveCodePage()));
    QVERIFY(expected.startsWith(QStringLiteral("空き容量　")));
    // The same drives; their free space changes while other programs write.
    const QRegularExpression number(QStringLiteral("[0-9,]+\\.\\d\\d"));
    QCOMPARE(QString(t.Panel()).replace(number, QStringLiteral("#")),
             QString(expected).replace(number, QStringLiteral("#")));
    QCOMPARE(t.window->stbMain->toolTip(), t.Panel());
    QVERIFY(QRegularExpression(QStringLiteral("^空き容量　(/\\S* [0-9,]+\\.\\d\\dMB(  |$))*$"))
                .match(t.Panel())
                .hasMatch());
  }

  void oneSelectedEntryShowsItsDetails() {
    TargetWindow t;
    t.Make({{"dir/", 0}, {"plain.txt", 1234}, {".hidden", 0}, {"ro.txt", 0}, {"big.bin", 0}});
    std::filesystem::resize_file(t.At("big.bin"), 3'000'000'000);  // sparse, beyond 32 bits
    std::filesystem::permissions(t.At("ro.txt"), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    QFile plain(QString::fromStdString(t.At("plain.txt")));
    QVERIFY(plain.open(QIODevice::ReadWrite));
    QVERIFY(
        plain.setFileTime(QDateTime(QDate(2021, 3, 4), QTime(5, 6, 7)), QFileDevice::FileModificationTime));
    plain.close();

    const struct {
      std::string entry;
      QString text;  // the whole text, or a pattern when it starts with '^'
    } cases[] = {
        {"/", QStringLiteral("ルートフォルダ")},
        {" / ", QStringLiteral("ルートフォルダ")},
        {t.At("plain.txt"), QStringLiteral("サイズ　1,234　　更新日時　21/03/04 05:06:07　　属性　なし")},
        {t.At("dir"),
         QStringLiteral(
             "^サイズ　DIR　　更新日時　\\d\\d/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d　　属性　なし$")},
        {t.At(".hidden"), QStringLiteral("^サイズ　0　　.*　　属性　H$")},
        {t.At("ro.txt"), QStringLiteral("^サイズ　0　　.*　　属性　R$")},
        {t.At("big.bin"), QStringLiteral("^サイズ　3,000,000,000　　")},
        {t.At("gone"), QStringLiteral("存在しないファイル・フォルダです")},
    };
    for (const auto& c : cases) {
      t.window->ClearTargetList();
      t.window->AppendTarget(c.entry);
      t.Select({0});
      if (c.text.startsWith(QLatin1Char('^'))) {
        QVERIFY2(QRegularExpression(c.text).match(t.Panel()).hasMatch(), qPrintable(t.Panel()));
      } else {
        QCOMPARE(t.Panel(), c.text);
      }
      QCOMPARE(t.window->cboChoiceFile->currentText().toStdString(), c.entry);
    }
  }

  void severalOrNoneSelectedShowCountsAndFileSizes() {
    TargetWindow t;
    t.Make({{"dir/", 0}, {"a", 1000}, {"b", 2000}, {"c", 1500}});
    for (const char* name : {"dir", "a", "b", "c", "gone"}) t.window->AppendTarget(t.At(name));
    t.window->AppendTarget("/");
    t.Select({0, 1, 2});
    QCOMPARE(t.Panel(), QStringLiteral("選択ファイル　3個　　3,000byte"));
    QCOMPARE(t.window->cboChoiceFile->currentText().toStdString(), t.At("dir"));
    t.Select({3, 4, 5});
    QCOMPARE(t.Panel(), QStringLiteral("選択ファイル　3個　　1,500byte"));
    t.Select({});
    QCOMPARE(t.Panel(), QStringLiteral("全ファイル　6個　　4,500byte"));
    QVERIFY(!t.window->btnSelectFileDel->isEnabled() && !t.window->pmnCFStartProcess->isEnabled());
  }

  void userOrderOutsideTheRenameModeKeepsTheMovesDisabled() {
    TargetWindow t;
    t.window->AppendTarget(t.At("a"));
    t.window->mnuChgExt->trigger();
    t.UseUserOrder();
    t.Select({0});
    QVERIFY(t.window->btnSelectFileDel->isEnabled());
    QVERIFY(!t.window->bitListToTop->isEnabled() && !t.window->pmnCFListToTop->isEnabled());
    t.window->mnuRename->trigger();
    QVERIFY(t.window->bitListToTop->isEnabled() && t.window->pmnCFListToTop->isEnabled());
  }

  void progressBarStepsOncePerFile() {
    TargetWindow t;
    const struct {
      int count;
      int step;
    } cases[] = {{0, 0}, {1, 1}, {5, 1}};
    for (const auto& c : cases) {
      t.window->ProgressBegin(c.count);
      QVERIFY(t.window->pgbProcess->isVisible());
      QCOMPARE(t.window->pgbProcess->maximum(), c.count);
      QCOMPARE(t.window->pgbProcess->value(), 0);
      QCOMPARE(t.window->pgbProcess->property("step").toInt(), c.step);
      t.window->ProgressStep();
      QCOMPARE(t.window->pgbProcess->value(), c.step);
      t.window->ProgressEnd();
      QVERIFY(!t.window->pgbProcess->isVisible());
    }
  }

  // The caption and the bar are brought up to date at most every 50 ms during a run, but
  // always before a question, and the bar at the end: the alert finds them showing the
  // file in hand, and the end message a full bar.
  void aQuestionFindsTheCaptionAndTheBarUpToDate() {
    TargetWindow t;
    t.Make({{"in/a.txt", 1}, {"in/b.txt", 1}, {"in/c.txt", 1}, {"in/d.txt", 1}, {"out/n3.txt", 1}});
    t.window->StoreDroppedPaths({t.At("in")});
    t.window->cboStartSeqNbr->setEditText(QStringLiteral("1"));
    t.window->cboKyotsuName->setEditText(QStringLiteral("n"));
    t.window->cboOutputDir->setEditText(QString::fromStdString(t.At("out")));
    QString caption;
    int stepped = -1;
    t.window->Alerts().AnswerNextWith([&] {
      caption = t.window->windowTitle();
      stepped = t.window->pgbProcess->value();
      return morvane::core::OverwriteChoice::Skip;
    });
    t.AnswerRunDialogs();
    t.window->btnStart->click();
    QCOMPARE(stepped, 3);  // c.txt, the third file, is in hand
    QVERIFY2(caption.contains(QStringLiteral("b.txt -> n2.txt")), qPrintable(caption));
    QCOMPARE(t.window->pgbProcess->value(), 4);
    QCOMPARE(t.window->windowTitle(), QStringLiteral("Morvane"));
  }
};

MORVANE_WINDOW_TEST(StatusTest)
#include "untMain_status_test.moc"
