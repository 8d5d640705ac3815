// The preview line, its history menus and the field histories.
#include <QLabel>
#include <QMenu>
#include <QTest>

#include "gui/untMain.h"
#include "window_fixture.h"
#include "window_test_main.h"

using morvane::core::OperatingMode;
using morvane::core::PreviewEntryFields;
using morvane::test::HistoryItems;
using morvane::test::Items;
using morvane::test::SettingValue;
using morvane::test::Type;
using morvane::test::VisibleCaptions;
using morvane::test::WindowFixture;

namespace {

PreviewEntryFields RenameFields(const char* preview, const char* front, int extensionCase = 0) {
  return {preview, front, "001", "", false, "", 0, extensionCase};
}

}  // namespace

class PreviewTest : public QObject, WindowFixture {
  Q_OBJECT

 public:
  PreviewTest() : WindowFixture(kEachTestFunction) {}

 private slots:
  void init() {
    Begin();
    Open();
  }
  void cleanup() { End(); }

  void typingInANameFieldRefreshesThePreviewAndItsHint() {
    Type(window->cboKyotsuName, QStringLiteral("IMG_"));
    Type(window->cboStartSeqNbr, QStringLiteral("001"));
    QCOMPARE(window->lblPreView->text(), QStringLiteral("IMG_001"));
    window->chkChgExt->click();
    Type(window->cboChgExt, QStringLiteral("jpg"));
    QCOMPARE(window->lblPreView->text(), QStringLiteral("IMG_001.jpg"));
    QCOMPARE(window->lblPreView->toolTip(), window->lblPreView->text());
    window->chkChgExt->click();
    QCOMPARE(window->lblPreView->text(), QStringLiteral("IMG_001"));
  }

  // A default text the code page cannot show is kept as bytes; the run reads those, so
  // the preview history must record them too, not what the field shows.
  void aFieldSetFromBytesIsRecordedAsTheRunReadsIt() {
    const std::string front = "\x83\x65_";
    window->ApplyDefaultText(morvane::core::DefaultField::FrontPart, front);
    window->RefreshPreview();
    window->RecordPreview(OperatingMode::SequentialRename,
                          window->CurrentPreviewFields(OperatingMode::SequentialRename));
    QVERIFY(window->PreviewHistory(OperatingMode::SequentialRename).Entries().front().find(front) !=
            std::string::npos);
  }

  void picksFromTheDropDownRefreshThePreview() {
    window->RememberFieldValue(window->cboKyotsuName, QStringLiteral("old_"));
    window->cboKyotsuName->setEditText(QStringLiteral("x"));
    window->RefreshPreview();
    window->cboKyotsuName->setCurrentIndex(0);
    emit window->cboKyotsuName->activated(0);
    QCOMPARE(window->lblPreView->text(), QStringLiteral("old_"));
  }

  void stringModesShowTheirOwnPreview() {
    window->SelectMode(OperatingMode::StringReplacement);
    Type(window->cboChgStr, QStringLiteral("old"));
    Type(window->cboChgStr2, QStringLiteral("new"));
    window->cboRenameUL->setCurrentIndex(1);
    window->cboRenameULChange();
    QCOMPARE(window->lblPreView->text(), QStringLiteral("???old??? → ???NEW???"));
    window->SelectMode(OperatingMode::StringAddition);
    Type(window->cboAddStr, QStringLiteral("x_"));
    QCOMPARE(window->lblPreView->text(), QStringLiteral("X_???"));
  }

  void modesWithoutAPreviewLeaveTheLineAlone() {
    Type(window->cboKyotsuName, QStringLiteral("a"));
    window->SelectMode(OperatingMode::ExtensionChange);
    Type(window->cboChgExt, QStringLiteral("txt"));
    window->cboRenameUL->setCurrentIndex(1);
    window->cboRenameULChange();
    QCOMPARE(window->lblPreView->text(), QStringLiteral("a"));
    // On to the replacement mode and back: the line is shown and current in both.
    window->SelectMode(OperatingMode::StringReplacement);
    QVERIFY(window->lblPreView->isVisibleTo(window.get()));
    QCOMPARE(window->lblPreView->text(), QStringLiteral("?????? → ??????"));
    window->SelectMode(OperatingMode::SequentialRename);
    QCOMPARE(window->lblPreView->text(), QStringLiteral("A"));
  }

  void clicksOnThePreviewStepTheCaseOptions() {
    window->show();
    window->cboRenameUL->setCurrentIndex(0);
    window->cboExtUL->setCurrentIndex(2);
    const int expected[][2] = {{0, 0}, {1, 1}, {2, 2}, {0, 0}};
    for (const auto& step : expected) {
      QTest::mouseClick(window->lblPreView, Qt::LeftButton);
      QCOMPARE(window->cboRenameUL->currentIndex(), step[0]);
      QCOMPARE(window->cboExtUL->currentIndex(), step[1]);
    }
    QCOMPARE(SettingValue(*home, "Setting", "RenameUL"), QByteArray("0"));
    QCOMPARE(SettingValue(*home, "Setting", "ExtUL"), QByteArray("0"));
    QTest::mouseClick(window->lblPreView, Qt::RightButton);
    QTest::mouseClick(window->lblPreView, Qt::MiddleButton);
    QCOMPARE(window->cboExtUL->currentIndex(), 0);
  }

  void anEqualRunLeavesOneEntryAtTheHead() {
    window->RecordPreview(OperatingMode::SequentialRename, RenameFields("A001", "A"));
    window->RecordPreview(OperatingMode::SequentialRename, RenameFields("B001", "B"));
    window->RecordPreview(OperatingMode::SequentialRename, RenameFields("A001", "A"));
    QCOMPARE(VisibleCaptions(window->pmnPreViewList), (QStringList{"A001", "B001"}));
    QCOMPARE(VisibleCaptions(window->mnuPreViewList), (QStringList{"A001", "B001"}));
    QVERIFY(!window->pmnPVListItem->isVisible());
    QVERIFY(!window->mnuPVListItem->isVisible());
  }

  void elevenRunsKeepTheLastTen() {
    for (int run = 0; run < 11; ++run) {
      const QByteArray name = "run" + QByteArray::number(run);
      window->RecordPreview(OperatingMode::SequentialRename,
                            RenameFields(name.constData(), name.constData()));
    }
    const QStringList captions = VisibleCaptions(window->mnuPreViewList);
    QCOMPARE(captions.size(), 10);
    QCOMPARE(captions.front(), QStringLiteral("run10"));
    QVERIFY(!captions.contains(QStringLiteral("run0")));
    QCOMPARE(HistoryItems(window->pmnPreViewList, window->pmnPVListItem).size(), 10);
  }

  void entriesThatDifferOnlyInTheExtensionCaseShareACaption() {
    window->RecordPreview(OperatingMode::SequentialRename, RenameFields("A001", "A", 0));
    window->RecordPreview(OperatingMode::SequentialRename, RenameFields("A001", "A", 1));
    QCOMPARE(VisibleCaptions(window->pmnPreViewList), (QStringList{"A001", "A001"}));
  }

  void aBlankPreviewRecordsNothing() {
    window->RecordPreview(OperatingMode::StringAddition, RenameFields("", "x"));
    window->RecordPreview(OperatingMode::StringAddition, RenameFields("   ", "x"));
    QCOMPARE(VisibleCaptions(window->pmnAddStrPVList), QStringList{QStringLiteral("履歴なし")});
    QCOMPARE(VisibleCaptions(window->mnuAddStrPVList), QStringList{QStringLiteral("なし")});
    QVERIFY(!window->mnuAddStrPVListItem->isEnabled());
  }

  void ampersandsInAPreviewAreShownAsTheyAre() {
    window->RecordPreview(OperatingMode::SequentialRename, RenameFields("R&D001", "R&D"));
    QCOMPARE(VisibleCaptions(window->pmnPreViewList), QStringList{"R&&D001"});
  }

  void loadingReadsOldestFirstAndStopsAtAGap() {
    home->WriteSettings(
        "[CopyFile]\nPreViewList0=A,A,,,0,,0,0\nPreViewList1=B,B,,,5,x,1,2\nPreViewList3=D,D,,,0,,0,0\n"
        "[ChgStr]\nPreViewList0=  \nPreViewList1=S,s,t,0,,0,0\n"
        "[AddStr]\nPreViewList0=bad,a,b,x,,0,0\n");
    Open();
    QCOMPARE(VisibleCaptions(window->pmnPreViewList), (QStringList{"B", "A"}));
    QCOMPARE(VisibleCaptions(window->mnuChgStrPVList), QStringList{"S"});
    QCOMPARE(VisibleCaptions(window->pmnAddStrPVList), QStringList{QStringLiteral("履歴なし")});
    // The check box field 5 is normalised to 1.
    QCOMPARE(window->PreviewHistory(OperatingMode::SequentialRename).Entries().front(),
             std::string("B,B,,,1,x,1,2"));
  }

  void choosingAnEntryRestoresItsFields() {
    home->WriteSettings(
        "[CopyFile]\nPreViewList0=IMG_001.JPG,IMG_,001,_a,1,jpg,1,1\nPreViewList1=x9,,9,x,0,,2,\n");
    Open();
    QList<QAction*> items = HistoryItems(window->pmnPreViewList, window->pmnPVListItem);
    QCOMPARE(items.size(), 2);
    items[1]->trigger();  // the older entry
    QCOMPARE(window->cboKyotsuName->currentText(), QStringLiteral("IMG_"));
    QCOMPARE(window->cboStartSeqNbr->currentText(), QStringLiteral("001"));
    QCOMPARE(window->cboKyotsuName2->currentText(), QStringLiteral("_a"));
    QVERIFY(window->chkChgExt->isChecked());
    QVERIFY(window->cboChgExt->isEnabled());
    QCOMPARE(window->cboRenameUL->currentIndex(), 1);
    QCOMPARE(window->lblPreView->text(), QStringLiteral("IMG_001_A.JPG"));

    // An empty front part empties the field; 0 unchecks the extension; the missing last
    // field was read as 0 when the entry was loaded. Nothing is written.
    HistoryItems(window->mnuPreViewList, window->mnuPVListItem)[0]->trigger();
    QCOMPARE(window->cboKyotsuName->currentText(), QString());
    QVERIFY(!window->chkChgExt->isChecked());
    QVERIFY(!window->cboChgExt->isEnabled());
    QCOMPARE(window->cboRenameUL->currentIndex(), 2);
    QCOMPARE(window->cboExtUL->currentIndex(), 0);
    QCOMPARE(window->lblPreView->text(), QStringLiteral("9x"));
    QVERIFY(!home->SettingsExist() || SettingValue(*home, "Setting", "RenameUL").isEmpty());
  }

  void restoringAStringEntryKeepsTheCaseSensitivity() {
    window->SelectMode(OperatingMode::StringAddition);
    window->chkChgStr->setChecked(false);
    window->RecordPreview(OperatingMode::StringAddition, {"pre???post", "pre", "post", "", true, "md", 0, 0});
    window->cboAddStr->setEditText(QString());
    HistoryItems(window->pmnAddStrPVList, window->pmnAddStrPVListItem)[0]->trigger();
    QCOMPARE(window->cboAddStr->currentText(), QStringLiteral("pre"));
    QCOMPARE(window->cboAddStr2->currentText(), QStringLiteral("post"));
    QCOMPARE(window->cboChgExt->currentText(), QStringLiteral("md"));
    QCOMPARE(window->lblPreView->text(), QStringLiteral("pre???post.md"));
    QVERIFY(!window->chkChgStr->isChecked());
  }

  void historiesSurviveARestartExactly() {
    window->RecordPreview(OperatingMode::SequentialRename, RenameFields("old", "old"));
    window->RecordPreview(OperatingMode::SequentialRename, RenameFields("new", "new"));
    window->RecordPreview(OperatingMode::StringReplacement, {"s", "a", "b", "", false, "", 0, 0});
    QVERIFY(window->SavePreviewHistory(OperatingMode::SequentialRename));
    QVERIFY(window->SavePreviewHistory(OperatingMode::StringReplacement));
    QCOMPARE(SettingValue(*home, "CopyFile", "PreViewList0"), QByteArray("old,old,001,,0,,0,0"));
    const auto before = window->PreviewHistory(OperatingMode::SequentialRename).Entries();
    Open();
    QCOMPARE(window->PreviewHistory(OperatingMode::SequentialRename).Entries(), before);
    QCOMPARE(window->PreviewHistory(OperatingMode::StringReplacement).Entries().size(), std::size_t{1});
  }

  void rememberedValuesGoBehindTheFixedItems() {
    window->RememberFieldValue(window->cboStartSeqNbr, QStringLiteral("7"));
    window->RememberFieldValue(window->cboStartSeqNbr, QStringLiteral("5"));
    window->RememberFieldValue(window->cboStartSeqNbr, QStringLiteral("5"));
    QCOMPARE(Items(window->cboStartSeqNbr), (QStringList{"1", "01", "001", "5", "7"}));
    QCOMPARE(window->cboStartSeqNbr->currentText(), QStringLiteral("5"));
    QCOMPARE(window->lblPreView->text(), QStringLiteral("5"));
    for (int n = 0; n < 12; ++n) window->RememberFieldValue(window->cboStartSeqNbr, QString::number(100 + n));
    QCOMPARE(window->cboStartSeqNbr->count(), 13);
    QCOMPARE(window->cboStartSeqNbr->itemText(3), QStringLiteral("111"));

    window->RememberFieldValue(window->cboExtension, QStringLiteral("jpg"));
    QCOMPARE(Items(window->cboExtension), (QStringList{QStringLiteral("すべてのファイル"), "jpg"}));

    window->RememberFieldValue(window->cboChgExt, QString());
    QCOMPARE(window->cboChgExt->count(), 0);
  }

  void fieldHistoriesSurviveARestartExactly() {
    home->WriteSettings(
        "[CopyFile]\nStartSeqNbr3=9\nKyotsuName0=a\nKyotsuName1=b\nKyotsuName20=指定なし\nKyotsuName21=c\n"
        "Extension0=png\nChgExt0=md\nOutputFolder0=/o\n[ChgStr]\nChgStr0=p\nChgStr20=q\n"
        "[AddStr]\nAddStr0=r\nAddStr20=s\n");
    Open();
    const auto snapshot = [this] {
      QStringList all;
      for (QComboBox* combo : window->findChildren<QComboBox*>()) {
        all << combo->objectName() + QLatin1Char('=') + combo->currentText() + QLatin1Char(':') +
                   Items(combo).join(QLatin1Char('|'));
      }
      return all;
    };
    const QStringList before = snapshot();
    QVERIFY(window->close());
    Open();
    QCOMPARE(snapshot(), before);
  }
};

MORVANE_WINDOW_TEST(PreviewTest)
#include "untMain_preview_test.moc"
