// The end message on a real settings file: when it shows, where its buttons go, and what
// the result log button opens.
#include "gui/untPEndMessage.h"

#include <QTest>
#include <fstream>

#include "recording_launcher.h"
#include "window_fixture.h"
#include "window_test_main.h"

using morvane::core::CodePage;
using morvane::gui::MessageKind;
using morvane::gui::TfrmPEndMessage;
using morvane::test::RecordingLauncher;

namespace {

struct Fixture {
  morvane::test::WindowHome home;
  morvane::core::ProgramFiles files = home.Files();
  morvane::core::SettingsStore store{files.settingsFile, CodePage::Utf8(), morvane::test::RealFileSystem()};
  RecordingLauncher launcher;
  TfrmPEndMessage window{store, files, morvane::test::RealFileSystem(), launcher};

  void WriteSettings(const std::string& text) { std::ofstream(files.settingsFile, std::ios::binary) << text; }
  void WriteResultFile() { std::ofstream(files.resultFile, std::ios::binary) << "log\r\n"; }
};

}  // namespace

class EndMessageTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { morvane::core::SetActiveCodePage(CodePage::Utf8()); }

  void showsOnlyAMessageWithTextWhileTheResultFileIsNotOpened_data() {
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("shown");
    const QByteArray summary =
        "リネーム処理が完了しました。\r\n2件のファイルをリネームしました。\r\nリネーム失敗数 = 0 件";
    QTest::newRow("no settings file") << QByteArray() << summary << true;
    QTest::newRow("option off") << QByteArray("[Setting]\nResultText=0\n") << summary << true;
    QTest::newRow("option on") << QByteArray("[Setting]\nResultText=1\n") << summary << false;
    QTest::newRow("option on, by hand") << QByteArray("[Setting]\nResultText=yes\n") << summary << false;
    QTest::newRow("empty text") << QByteArray() << QByteArray() << false;
    QTest::newRow("blank text") << QByteArray() << QByteArray(" \r\n\t") << false;
    QTest::newRow("text with blanks around") << QByteArray() << QByteArray("\r\n 終了 ") << true;
  }
  void showsOnlyAMessageWithTextWhileTheResultFileIsNotOpened() {
    QFETCH(QByteArray, settings);
    QFETCH(QByteArray, text);
    QFETCH(bool, shown);
    Fixture f;
    if (!settings.isEmpty()) f.WriteSettings(settings.toStdString());
    f.window.AnswerNext();
    f.window.ShowEndMessage(text.toStdString());
    QCOMPARE(f.window.ShownTexts().size(), shown ? 1u : 0u);
    if (shown) {
      // The text is shown untrimmed, its CR LF as line breaks.
      QCOMPARE(f.window.ShownTexts().front(), text.toStdString());
      QCOMPARE(f.window.lblInformation->text(), QString::fromUtf8(text).replace("\r\n", "\n"));
    }
    QVERIFY(!f.window.isVisible());
  }

  // Shown for real: modal, OK beside the result log button, Enter closes it.
  void theShownMessageClosesOnEnter() {
    Fixture f;
    bool logButtonRightOfOk = false;
    bool wasModal = false;
    QTimer::singleShot(0, [&] {
      wasModal = QApplication::activeModalWidget() == &f.window;
      logButtonRightOfOk = f.window.btnLogOpen->isVisible() &&
                           f.window.btnOk->geometry().right() < f.window.width() / 2 &&
                           f.window.btnLogOpen->x() > f.window.width() / 2;
      morvane::test::ActivateWindowOf(&f.window);
      morvane::test::PressKey(Qt::Key_Return);
    });
    f.window.ShowEndMessage("\r\n完了");
    QVERIFY(wasModal);
    QVERIFY(logButtonRightOfOk);
    QVERIFY(!f.window.isVisible());
    QCOMPARE(f.launcher.started.size() + f.launcher.builtIn.size(), 0u);
  }

  void okStandsAloneInTheMiddleWhenTheResultFileOpensItself() {
    Fixture f;
    f.WriteSettings("[Setting]\nResultText=1\n");
    f.window.FormActivate();
    QVERIFY(f.window.btnLogOpen->isHidden());
    QCOMPARE(f.window.btnOk->x() + f.window.btnOk->width() / 2, f.window.width() / 2);
    f.WriteSettings("[Setting]\nResultText=0\n");
    f.window.FormActivate();
    QVERIFY(!f.window.btnLogOpen->isHidden());
    QVERIFY(f.window.btnOk->geometry().right() < f.window.btnLogOpen->x());
  }

  void theResultLogButtonOpensTheResultFileOrSaysItIsGone() {
    struct Case {
      const char* what;
      std::string settings;
      bool resultFileExists;
      std::vector<std::string> started;  // the viewer's words, empty when none started
      bool builtIn;
      bool missingMessage;
    };
    const Case cases[] = {
        {"viewer set", "[Setting]\nTextViewer=kate -b\n", true, {"kate", "-b"}, false, false},
        {"blank viewer", "[Setting]\nTextViewer=  \n", true, {}, true, false},
        {"result file deleted by hand", "[Setting]\nTextViewer=kate\n", false, {}, false, true},
    };
    for (const Case& c : cases) {
      Fixture f;
      f.WriteSettings(c.settings);
      if (c.resultFileExists) f.WriteResultFile();
      f.window.Messages().AnswerNext(morvane::gui::MessageAnswer::Ok);
      f.window.show();
      f.window.btnLogOpen->click();
      QVERIFY2(!f.window.isVisible(), c.what);
      if (c.started.empty()) {
        QVERIFY2(f.launcher.started.empty(), c.what);
      } else {
        std::vector<std::string> expected = c.started;
        expected.push_back(f.files.resultFile);
        QVERIFY2(f.launcher.started == std::vector<std::vector<std::string>>{expected}, c.what);
      }
      QCOMPARE(f.launcher.builtIn.size(), c.builtIn ? 1u : 0u);
      QCOMPARE(f.window.Messages().Shown().size(), c.missingMessage ? 1u : 0u);
      if (c.missingMessage) {
        QCOMPARE(f.window.Messages().Shown().front().kind, MessageKind::Information);
        QCOMPARE(f.window.Messages().Shown().front().text,
                 QStringLiteral("\r\n結果ファイルが存在しません。"));
      }
    }
  }
};

MORVANE_WINDOW_TEST(EndMessageTest)
#include "untPEndMessage_test.moc"
