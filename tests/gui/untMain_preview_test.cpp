// The preview line, its history menus and the field histories.
#include <QLabel>
#include <QMenu>
#include <QtTest>

#include "gui/untMain.h"
#include "window_fixture.h"

using morvane::core::OperatingMode;
using morvane::core::PreviewEntryFields;
using morvane::gui::TfrmMain;
using morvane::test::HistoryItems;
using morvane::test::Items;
using morvane::test::SettingValue;
using morvane::test::Type;
using morvane::test::VisibleCaptions;
using morvane::test::WindowHome;

namespace {

PreviewEntryFields RenameFields(const char* preview, const char* front, int extensionCase = 0) {
  return {preview, front, "001", "", false, "", 0, extensionCase};
}

}  // namespace

class PreviewTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    m_home = std::make_unique<WindowHome>();
    m_window = m_home->Open();
  }
  void cleanup() {
    m_window.reset();
    m_home.reset();
  }

  void typingInANameFieldRefreshesThePreviewAndItsHint() {
    Type(m_window->cboKyotsuName, QStringLiteral("IMG_"));
    Type(m_window->cboStartSeqNbr, QStringLiteral("001"));
    QCOMPARE(m_window->lblPreView->text(), QStringLiteral("IMG_001"));
    m_window->chkChgExt->click();
    Type(m_window->cboChgExt, QStringLiteral("jpg"));
    QCOMPARE(m_window->lblPreView->text(), QStringLiteral("IMG_001.jpg"));
    QCOMPARE(m_window->lblPreView->toolTip(), m_window->lblPreView->text());
    m_window->chkChgExt->click();
    QCOMPARE(m_window->lblPreView->text(), QStringLiteral("IMG_001"));
  }

  void picksFromTheDropDownRefreshThePreview() {
    m_window->RememberFieldValue(m_window->cboKyotsuName, QStringLiteral("old_"));
    m_window->cboKyotsuName->setEditText(QStringLiteral("x"));
    m_window->RefreshPreview();
    m_window->cboKyotsuName->setCurrentIndex(0);
    emit m_window->cboKyotsuName->activated(0);
    QCOMPARE(m_window->lblPreView->text(), QStringLiteral("old_"));
  }

  void stringModesShowTheirOwnPreview() {
    m_window->SelectMode(OperatingMode::ChangeStr);
    Type(m_window->cboChgStr, QStringLiteral("old"));
    Type(m_window->cboChgStr2, QStringLiteral("new"));
    m_window->cboRenameUL->setCurrentIndex(1);
    m_window->cboRenameULChange();
    QCOMPARE(m_window->lblPreView->text(), QStringLiteral("???old??? → ???NEW???"));
    m_window->SelectMode(OperatingMode::AddStr);
    Type(m_window->cboAddStr, QStringLiteral("x_"));
    QCOMPARE(m_window->lblPreView->text(), QStringLiteral("X_???"));
  }

  void modesWithoutAPreviewLeaveTheLineAlone() {
    Type(m_window->cboKyotsuName, QStringLiteral("a"));
    m_window->SelectMode(OperatingMode::ChgExt);
    Type(m_window->cboChgExt, QStringLiteral("txt"));
    m_window->cboRenameUL->setCurrentIndex(1);
    m_window->cboRenameULChange();
    QCOMPARE(m_window->lblPreView->text(), QStringLiteral("a"));
    // On to the replacement mode and back: the line is shown and current in both.
    m_window->SelectMode(OperatingMode::ChangeStr);
    QVERIFY(m_window->lblPreView->isVisibleTo(m_window.get()));
    QCOMPARE(m_window->lblPreView->text(), QStringLiteral("?????? → ??????"));
    m_window->SelectMode(OperatingMode::Rename);
    QCOMPARE(m_window->lblPreView->text(), QStringLiteral("A"));
  }

  void clicksOnThePreviewStepTheCaseOptions() {
    m_window->show();
    m_window->cboRenameUL->setCurrentIndex(0);
    m_window->cboExtUL->setCurrentIndex(2);
    const int expected[][2] = {{0, 0}, {1, 1}, {2, 2}, {0, 0}};
    for (const auto& step : expected) {
      QTest::mouseClick(m_window->lblPreView, Qt::LeftButton);
      QCOMPARE(m_window->cboRenameUL->currentIndex(), step[0]);
      QCOMPARE(m_window->cboExtUL->currentIndex(), step[1]);
    }
    QCOMPARE(SettingValue(*m_home, "Setting", "RenameUL"), QByteArray("0"));
    QCOMPARE(SettingValue(*m_home, "Setting", "ExtUL"), QByteArray("0"));
    QTest::mouseClick(m_window->lblPreView, Qt::RightButton);
    QTest::mouseClick(m_window->lblPreView, Qt::MiddleButton);
    QCOMPARE(m_window->cboExtUL->currentIndex(), 0);
  }

  void anEqualRunLeavesOneEntryAtTheHead() {
    m_window->RecordPreview(OperatingMode::Rename, RenameFields("A001", "A"));
    m_window->RecordPreview(OperatingMode::Rename, RenameFields("B001", "B"));
    m_window->RecordPreview(OperatingMode::Rename, RenameFields("A001", "A"));
    QCOMPARE(VisibleCaptions(m_window->pmnPreViewList), (QStringList{"A001", "B001"}));
    QCOMPARE(VisibleCaptions(m_window->mnuPreViewList), (QStringList{"A001", "B001"}));
    QVERIFY(!m_window->pmnPVListItem->isVisible());
    QVERIFY(!m_window->mnuPVListItem->isVisible());
  }

  void elevenRunsKeepTheLastTen() {
    for (int run = 0; run < 11; ++run) {
      const QByteArray name = "run" + QByteArray::number(run);
      m_window->RecordPreview(OperatingMode::Rename, RenameFields(name.constData(), name.constData()));
    }
    const QStringList captions = VisibleCaptions(m_window->mnuPreViewList);
    QCOMPARE(captions.size(), 10);
    QCOMPARE(captions.front(), QStringLiteral("run10"));
    QVERIFY(!captions.contains(QStringLiteral("run0")));
    QCOMPARE(HistoryItems(m_window->pmnPreViewList, m_window->pmnPVListItem).size(), 10);
  }

  void entriesThatDifferOnlyInTheExtensionCaseShareACaption() {
    m_window->RecordPreview(OperatingMode::Rename, RenameFields("A001", "A", 0));
    m_window->RecordPreview(OperatingMode::Rename, RenameFields("A001", "A", 1));
    QCOMPARE(VisibleCaptions(m_window->pmnPreViewList), (QStringList{"A001", "A001"}));
  }

  void aBlankPreviewRecordsNothing() {
    m_window->RecordPreview(OperatingMode::AddStr, RenameFields("", "x"));
    m_window->RecordPreview(OperatingMode::AddStr, RenameFields("   ", "x"));
    QCOMPARE(VisibleCaptions(m_window->pmnAddStrPVList), QStringList{QStringLiteral("履歴なし")});
    QCOMPARE(VisibleCaptions(m_window->mnuAddStrPVList), QStringList{QStringLiteral("なし")});
    QVERIFY(!m_window->mnuAddStrPVListItem->isEnabled());
  }

  void ampersandsInAPreviewAreShownAsTheyAre() {
    m_window->RecordPreview(OperatingMode::Rename, RenameFields("R&D001", "R&D"));
    QCOMPARE(VisibleCaptions(m_window->pmnPreViewList), QStringList{"R&&D001"});
  }

  void loadingReadsOldestFirstAndStopsAtAGap() {
    m_home->WriteSettings(
        "[CopyFile]\nPreViewList0=A,A,,,0,,0,0\nPreViewList1=B,B,,,5,x,1,2\nPreViewList3=D,D,,,0,,0,0\n"
        "[ChgStr]\nPreViewList0=  \nPreViewList1=S,s,t,0,,0,0\n"
        "[AddStr]\nPreViewList0=bad,a,b,x,,0,0\n");
    m_window = m_home->Open();
    QCOMPARE(VisibleCaptions(m_window->pmnPreViewList), (QStringList{"B", "A"}));
    QCOMPARE(VisibleCaptions(m_window->mnuChgStrPVList), QStringList{"S"});
    QCOMPARE(VisibleCaptions(m_window->pmnAddStrPVList), QStringList{QStringLiteral("履歴なし")});
    // The check box field 5 is normalised to 1.
    QCOMPARE(m_window->PreviewHistory(OperatingMode::Rename).Entries().front(), std::string("B,B,,,1,x,1,2"));
  }

  void choosingAnEntryRestoresItsFields() {
    m_home->WriteSettings(
        "[CopyFile]\nPreViewList0=IMG_001.JPG,IMG_,001,_a,1,jpg,1,1\nPreViewList1=x9,,9,x,0,,2,\n");
    m_window = m_home->Open();
    QList<QAction*> items = HistoryItems(m_window->pmnPreViewList, m_window->pmnPVListItem);
    QCOMPARE(items.size(), 2);
    items[1]->trigger();  // the older entry
    QCOMPARE(m_window->cboKyotsuName->currentText(), QStringLiteral("IMG_"));
    QCOMPARE(m_window->cboStartSeqNbr->currentText(), QStringLiteral("001"));
    QCOMPARE(m_window->cboKyotsuName2->currentText(), QStringLiteral("_a"));
    QVERIFY(m_window->chkChgExt->isChecked());
    QVERIFY(m_window->cboChgExt->isEnabled());
    QCOMPARE(m_window->cboRenameUL->currentIndex(), 1);
    QCOMPARE(m_window->lblPreView->text(), QStringLiteral("IMG_001_A.JPG"));

    // An empty front part empties the field; 0 unchecks the extension; the missing last
    // field was read as 0 when the entry was loaded. Nothing is written.
    HistoryItems(m_window->mnuPreViewList, m_window->mnuPVListItem)[0]->trigger();
    QCOMPARE(m_window->cboKyotsuName->currentText(), QString());
    QVERIFY(!m_window->chkChgExt->isChecked());
    QVERIFY(!m_window->cboChgExt->isEnabled());
    QCOMPARE(m_window->cboRenameUL->currentIndex(), 2);
    QCOMPARE(m_window->cboExtUL->currentIndex(), 0);
    QCOMPARE(m_window->lblPreView->text(), QStringLiteral("9x"));
    QVERIFY(!m_home->SettingsExist() || SettingValue(*m_home, "Setting", "RenameUL").isEmpty());
  }

  void restoringAStringEntryKeepsTheCaseSensitivity() {
    m_window->SelectMode(OperatingMode::AddStr);
    m_window->chkChgStr->setChecked(false);
    m_window->RecordPreview(OperatingMode::AddStr, {"pre???post", "pre", "post", "", true, "md", 0, 0});
    m_window->cboAddStr->setEditText(QString());
    HistoryItems(m_window->pmnAddStrPVList, m_window->pmnAddStrPVListItem)[0]->trigger();
    QCOMPARE(m_window->cboAddStr->currentText(), QStringLiteral("pre"));
    QCOMPARE(m_window->cboAddStr2->currentText(), QStringLiteral("post"));
    QCOMPARE(m_window->cboChgExt->currentText(), QStringLiteral("md"));
    QCOMPARE(m_window->lblPreView->text(), QStringLiteral("pre???post.md"));
    QVERIFY(!m_window->chkChgStr->isChecked());
  }

  void historiesSurviveARestartExactly() {
    m_window->RecordPreview(OperatingMode::Rename, RenameFields("old", "old"));
    m_window->RecordPreview(OperatingMode::Rename, RenameFields("new", "new"));
    m_window->RecordPreview(OperatingMode::ChangeStr, {"s", "a", "b", "", false, "", 0, 0});
    QVERIFY(m_window->SavePreviewHistory(OperatingMode::Rename));
    QVERIFY(m_window->SavePreviewHistory(OperatingMode::ChangeStr));
    QCOMPARE(SettingValue(*m_home, "CopyFile", "PreViewList0"), QByteArray("old,old,001,,0,,0,0"));
    const auto before = m_window->PreviewHistory(OperatingMode::Rename).Entries();
    m_window = m_home->Open();
    QCOMPARE(m_window->PreviewHistory(OperatingMode::Rename).Entries(), before);
    QCOMPARE(m_window->PreviewHistory(OperatingMode::ChangeStr).Entries().size(), std::size_t{1});
  }

  void rememberedValuesGoBehindTheFixedItems() {
    m_window->RememberFieldValue(m_window->cboStartSeqNbr, QStringLiteral("7"));
    m_window->RememberFieldValue(m_window->cboStartSeqNbr, QStringLiteral("5"));
    m_window->RememberFieldValue(m_window->cboStartSeqNbr, QStringLiteral("5"));
    QCOMPARE(Items(m_window->cboStartSeqNbr), (QStringList{"1", "01", "001", "5", "7"}));
    QCOMPARE(m_window->cboStartSeqNbr->currentText(), QStringLiteral("5"));
    QCOMPARE(m_window->lblPreView->text(), QStringLiteral("5"));
    for (int n = 0; n < 12; ++n)
      m_window->RememberFieldValue(m_window->cboStartSeqNbr, QString::number(100 + n));
    QCOMPARE(m_window->cboStartSeqNbr->count(), 13);
    QCOMPARE(m_window->cboStartSeqNbr->itemText(3), QStringLiteral("111"));

    m_window->RememberFieldValue(m_window->cboExtension, QStringLiteral("jpg"));
    QCOMPARE(Items(m_window->cboExtension), (QStringList{QStringLiteral("すべてのファイル"), "jpg"}));

    m_window->RememberFieldValue(m_window->cboChgExt, QString());
    QCOMPARE(m_window->cboChgExt->count(), 0);
  }

  void fieldHistoriesSurviveARestartExactly() {
    m_home->WriteSettings(
        "[CopyFile]\nStartSeqNbr3=9\nKyotsuName0=a\nKyotsuName1=b\nKyotsuName20=指定なし\nKyotsuName21=c\n"
        "Extension0=png\nChgExt0=md\nOutputFolder0=/o\n[ChgStr]\nChgStr0=p\nChgStr20=q\n"
        "[AddStr]\nAddStr0=r\nAddStr20=s\n");
    m_window = m_home->Open();
    const auto snapshot = [this] {
      QStringList all;
      for (QComboBox* combo : m_window->findChildren<QComboBox*>()) {
        all << combo->objectName() + QLatin1Char('=') + combo->currentText() + QLatin1Char(':') +
                   Items(combo).join(QLatin1Char('|'));
      }
      return all;
    };
    const QStringList before = snapshot();
    QVERIFY(m_window->close());
    m_window = m_home->Open();
    QCOMPARE(snapshot(), before);
  }

 private:
  std::unique_ptr<WindowHome> m_home;
  std::unique_ptr<TfrmMain> m_window;
};

QTEST_MAIN(PreviewTest)
#include "untMain_preview_test.moc"
