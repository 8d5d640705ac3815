// The confirmation before a sequential run: its rows, and which ways of closing it say
// yes, over several showings of the one window.
#include "gui/untConfirmation.h"

#include <QTest>

#include "window_fixture.h"
#include "window_test_main.h"

using morvane::core::CodePage;
using morvane::core::MakeConfirmationTexts;
using morvane::gui::TfrmConfirmation;

class ConfirmationTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { morvane::core::SetActiveCodePage(CodePage::Utf8()); }

  void theRowsShowTheRunsSettings() {
    morvane::core::RunSettings settings;
    settings.sortType = morvane::core::SortType::Size;
    settings.descending = true;
    settings.increment = 5;
    settings.changeExtension = true;
    settings.newExtensionText = "jpg";
    settings.extensionCase = 1;
    const std::string longPreview = "<b>" + std::string(200, 'n') + ".JPG";
    TfrmConfirmation window;
    window.AnswerNext(false);
    window.SetTexts(MakeConfirmationTexts(settings, "", longPreview, true));
    QVERIFY(!window.ShowConfirmation());
    QCOMPARE(window.lblExtension->text(), QStringLiteral("すべてのファイル"));
    QCOMPARE(window.lblExtension->toolTip(), QStringLiteral("すべてのファイル"));
    QCOMPARE(window.lblPreView->toolTip(), QString::fromStdString(longPreview));
    QVERIFY(window.lblPreView->text().startsWith(QStringLiteral("<b>nn")));
    QVERIFY(window.lblPreView->text().endsWith(QStringLiteral("n.JPG")));
    QVERIFY(window.lblPreView->fontMetrics().horizontalAdvance(window.lblPreView->text()) <=
            window.lblPreView->width());
    const QStringList values = {window.lblSortType->text(), window.lblZoubun->text(),
                                window.lblChgExt->text(),   window.lblRenameUL->text(),
                                window.lblExtUL->text(),    window.lblDelFile->text(),
                                window.lblLogOutput->text()};
    QCOMPARE(values, (QStringList{"サイズ（降順）", "5", "JPG に変更", "無変換", "大文字に変換", "未チェック",
                                  "チェック"}));
    QVERIFY(!window.isVisible());
  }

  // One window, shown again and again: each showing starts on OK with no answer yet.
  void onlyOkSaysYes() {
    struct Case {
      const char* action;
      bool confirmed;
    };
    const Case cases[] = {{"ok", true},      {"enter", true},  {"cancel", false},
                          {"escape", false}, {"close", false}, {"enter", true}};
    TfrmConfirmation window;
    for (const Case& c : cases) {
      bool focusOnOk = false;
      const QString action = QString::fromLatin1(c.action);
      QTimer::singleShot(0, [&] {
        QVERIFY(QApplication::activeModalWidget() == &window);
        focusOnOk = window.focusWidget() == window.btnOk;
        // Leave the focus elsewhere, as a user may; the next showing starts on OK again.
        if (action != "enter") window.btnCancel->setFocus();
        if (action == "ok") window.btnOk->click();
        if (action == "enter") morvane::test::PressKey(Qt::Key_Return);
        if (action == "cancel") window.btnCancel->click();
        if (action == "escape") morvane::test::PressKey(Qt::Key_Escape);
        if (action == "close") window.close();
      });
      QCOMPARE(window.ShowConfirmation(), c.confirmed);
      QVERIFY2(focusOnOk, c.action);
      QVERIFY(!window.isVisible());
    }
  }
};

MORVANE_WINDOW_TEST(ConfirmationTest)
#include "untConfirmation_test.moc"
