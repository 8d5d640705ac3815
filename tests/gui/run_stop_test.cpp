// Stopping a run from the window: 中止 (clicked or Alt+S) or Esc ends it after the file in hand, the window
// shows it going meanwhile, and the part done comes back whole with 元に戻す.
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "gui/untPEndMessage.h"
#include "gui/untUndo.h"
#include "window_fixture.h"
#include "window_test_main.h"

namespace fs = std::filesystem;

namespace {

constexpr int kFiles = 20000;

std::string NameOf(int i) { return "f" + std::to_string(100000 + i) + ".txt"; }

}  // namespace

class RunStopTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { morvane::core::SetActiveCodePage(morvane::core::CodePage::Utf8()); }

  void aRunStoppedByKeyOrTheStopButtonIsUndoneWhole() {
    enum class Way { Escape, AltS, Button };
    for (const Way way : {Way::Escape, Way::AltS, Way::Button}) {
      morvane::test::WindowFixture f;
      fs::create_directories(f.At("in"));
      for (int i = 0; i < kFiles; ++i) std::ofstream(f.At("in/" + NameOf(i))) << i;
      morvane::gui::TfrmMain* window = f.OpenShown();
      window->StoreDroppedPaths({f.At("in")});
      if (!window->chkDelFile->isChecked()) window->chkDelFile->click();
      window->cboStartSeqNbr->setEditText(QStringLiteral("1"));

      // Once files are being done, what the window shows, then the person stops.
      bool stopShown = false;
      bool controlsDisabled = false;
      QString progress;
      QTimer watch;
      watch.setInterval(5);
      QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!window->pgbProcess->isVisible() || window->pgbProcess->value() < 100) return;
        watch.stop();
        stopShown =
            window->btnStop->isVisible() && window->btnStop->isEnabled() && !window->btnStart->isVisible();
        controlsDisabled = !window->cboKyotsuName->isEnabled() && !window->menuBar()->isEnabled();
        progress = window->pgbProcess->text();
        if (way == Way::Escape) morvane::test::PressKey(Qt::Key_Escape);
        if (way == Way::AltS) morvane::test::PressKey(Qt::Key_S, Qt::AltModifier);
        if (way == Way::Button) QTest::mouseClick(window->btnStop, Qt::LeftButton);
      });
      watch.start();
      f.AnswerRunDialogs();
      window->btnStart->click();

      QVERIFY(stopShown);
      QVERIFY(controlsDisabled);
      QVERIFY2(progress.endsWith(QStringLiteral(" / %1").arg(kFiles)), qPrintable(progress));
      int renamed = 0;
      for (const auto& entry : fs::directory_iterator(f.At("in")))
        renamed += entry.path().filename().string()[0] != 'f';
      QVERIFY2(renamed >= 100 && renamed < kFiles, qPrintable(QString::number(renamed)));
      const std::string end = window->frmPEndMessage->ShownTexts().back();
      QVERIFY2(end.starts_with("実行を中止しました。\r\nリネーム処理が完了しました。\r\n" +
                               std::to_string(renamed)),
               end.c_str());
      QVERIFY(!window->btnStop->isVisible());
      QVERIFY(window->btnStart->isVisible());
      QVERIFY(window->cboKyotsuName->isEnabled());

      window->frmUndo->AnswerNext(true);
      window->frmPEndMessage->AnswerNext();
      window->mnuUndo->trigger();
      int back = 0;
      for (int i = 0; i < kFiles; ++i) back += fs::exists(f.At("in/" + NameOf(i)));
      QCOMPARE(back, kFiles);
    }
  }
};

MORVANE_WINDOW_TEST(RunStopTest)
#include "run_stop_test.moc"
