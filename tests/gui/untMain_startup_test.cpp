// Start-up, frame and close of the main window.
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include "gui/combo_items.h"
#include "gui/untMain.h"
#include "window_fixture.h"
#include "window_test_main.h"

using morvane::core::OperatingMode;
using morvane::gui::MessageAnswer;
using morvane::gui::MessageKind;
using morvane::test::Items;
using morvane::test::SettingValue;
using morvane::test::WindowFixture;
using morvane::test::WindowHome;

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void withoutSettingsFileOpensWithDefaults() {
    WindowFixture f;
    auto* window = f.Open();
    QCOMPARE(window->pos(), QPoint(0, 0));
    QCOMPARE(window->windowTitle(), QStringLiteral("Morvane"));
    QCOMPARE(window->Mode(), OperatingMode::SequentialRename);
    QVERIFY(window->mnuRename->isChecked());
    QCOMPARE(window->cboSortType->currentIndex(), 0);
    QVERIFY(!window->chkSortDse->isChecked());
    QCOMPARE(window->edtZoubun->text(), QStringLiteral("1"));
    QCOMPARE(window->Options().increment, 1);
    QCOMPARE(window->cboRenameUL->currentIndex(), 0);
    QCOMPARE(window->cboExtUL->currentIndex(), 0);
    QVERIFY(!window->chkDelFile->isChecked());
    QVERIFY(!window->chkChgExt->isChecked());
    QVERIFY(!window->cboChgExt->isEnabled());
    QVERIFY(window->chkChgStr->isChecked());
    QCOMPARE(Items(window->cboStartSeqNbr), (QStringList{"1", "01", "001"}));
    QCOMPARE(Items(window->cboExtension), QStringList{QStringLiteral("すべてのファイル")});
    for (QComboBox* field : {window->cboStartSeqNbr, window->cboKyotsuName, window->cboKyotsuName2,
                             window->cboExtension, window->cboChgExt, window->cboOutputDir}) {
      QVERIFY2(field->currentText().isEmpty(), qPrintable(field->objectName()));
    }
    QCOMPARE(window->stbPanel0->text(), QStringLiteral("リネーム機能"));
    QVERIFY(!window->btnStart->isEnabled());
    QVERIFY(!window->pmnCFListClear->isEnabled());
    QVERIFY(!window->pmnCFStartProcess->isEnabled());
    QVERIFY(window->cboOutputDir->isEnabled());
    // Start-up writes nothing.
    QVERIFY(!f.home->SettingsExist());
  }

  void frameIsAFixedDialog() {
    WindowFixture f;
    auto* window = f.Open();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->centralWidget()->width(), 579);
    QCOMPARE(window->centralWidget()->height() + window->stbMain->height(), 393);
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(window->lblTitle->text(), QStringLiteral("Morvane V2"));
    QVERIFY(!window->lblTitle->isEnabled());
    QVERIFY(window->lblTitle->alignment() & Qt::AlignRight);
    QCOMPARE(window->font().family(), QStringLiteral("IPAPGothic"));
    QCOMPARE(window->font().pixelSize(), 12);
    // The progress bar lies over the second panel and stays hidden.
    QCOMPARE(window->pgbProcess->parentWidget(), window->stbMain);
    QCOMPARE(window->pgbProcess->geometry().left(), window->stbPanel0->width() + 2);
    QCOMPARE(window->pgbProcess->width(), window->stbPanel1->width());
    QCOMPARE(window->pgbProcess->maximum(), 100);
    QVERIFY(window->pgbProcess->isHidden());
  }

  // Every control, menu item and pop-up item is there under its name.
  void everyControlIsFoundByName() {
    WindowFixture f;
    auto* window = f.Open();
    const char* names[] = {
        "lstChoiceFile",   "cboChoiceFile",  "bitChoiceFiles", "bitChoiceFolder", "btnSelectFileDel",
        "btnListClear",    "bitListToTop",   "bitListUp",      "bitListDown",     "bitListToBottom",
        "lblSortType",     "cboSortType",    "chkSortDse",     "lblZoubun",       "edtZoubun",
        "updZoubun",       "lblKyotsuName",  "cboKyotsuName",  "lblStartSeqNbr",  "cboStartSeqNbr",
        "lblKyotsuName2",  "cboKyotsuName2", "lblPeriod",      "chkChgExt",       "lblChgExt",
        "cboChgExt",       "lblRenameUL",    "cboRenameUL",    "lblExtUL",        "cboExtUL",
        "btnULCaseSet",    "lblULCaseSet",   "lblChgStr",      "cboChgStr",       "lblChgStrYa",
        "lblChgStr2",      "cboChgStr2",     "chkChgStr",      "lblAddStr",       "cboAddStr",
        "lblAddStrFile",   "lblAddStr2",     "cboAddStr2",     "lblAddStr3",      "lblPreView",
        "lblExtension",    "cboExtension",   "lblOutputDir",   "cboOutputDir",    "bitOutputDir",
        "chkDelFile",      "btnStart",       "btnEnd",         "lblTitle",        "stbMain",
        "pgbProcess",      "pmnFunction",    "pmnChoiceFile",  "pmnPreViewList",  "pmnChgStrPVList",
        "pmnAddStrPVList", "mnuFunction",    "mnuOption",      "mnuHelp",         "mnuPreViewList",
        "mnuChgStrPVList", "mnuAddStrPVList"};
    for (const char* name : names) QVERIFY2(window->findChild<QWidget*>(name), name);
    const char* items[] = {"mnuRename",           "mnuChgExt",           "mnuULCase",
                           "mnuChangeStr",        "mnuAddStr",           "Exit1",
                           "mnuSetting",          "mnuLogViewer",        "C1",
                           "mnuHelpContents",     "mnuVersion",          "mnuPVListItem",
                           "mnuChgStrPVListItem", "mnuAddStrPVListItem", "pmnRename",
                           "pmnChgExt",           "pmnULCase",           "pmnChangeStr",
                           "pmnAddStr",           "pmnCFStartProcess",   "pmnCFSelectFileDel",
                           "pmnCFListClear",      "pmnCFListToTop",      "pmnCFListUp",
                           "pmnCFListDown",       "pmnCFListToBottom",   "pmnPVListItem",
                           "pmnChgStrPVListItem", "pmnAddStrPVListItem"};
    for (const char* name : items) QVERIFY2(window->findChild<QAction*>(name), name);
    QCOMPARE(window->Exit1->text(), QStringLiteral("Morvaneの終了(&X)"));
    QCOMPARE(window->pmnChoiceFile->defaultAction(), window->pmnCFStartProcess);
  }

  void historiesLoadWithMarkersAndStopAtAGap() {
    WindowFixture f;
    f.home->WriteSettings(
        "[CopyFile]\n"
        "KyotsuName0=指定なし\nKyotsuName1=abc\n"
        "Extension0=すべてのファイル\nExtension1=jpg\n"
        "ChgExt0=txt\nChgExt2=bak\n"
        "StartSeqNbr3=0001\nStartSeqNbr4=5\n"
        "KyotsuName20=_end\n"
        "OutputFolder0=/tmp/out\n"
        "ChoiceFolder0=/data/a\nChoiceFolder1=/data/b\n"
        "[AddStr]\nAddStr0=pre\nAddStr20=指定なし\n"
        "[ChgStr]\nChgStr0=old\nChgStr20=new\nStrAULCase=0\n");
    auto* window = f.Open();
    QCOMPARE(window->cboKyotsuName->currentText(), QString());
    QCOMPARE(Items(window->cboKyotsuName), QStringList{"abc"});
    QCOMPARE(window->cboExtension->currentText(), QString());
    QCOMPARE(Items(window->cboExtension), (QStringList{QStringLiteral("すべてのファイル"), "jpg"}));
    QCOMPARE(Items(window->cboChgExt), QStringList{"txt"});
    QCOMPARE(window->cboChgExt->currentText(), QStringLiteral("txt"));
    QCOMPARE(Items(window->cboStartSeqNbr), (QStringList{"1", "01", "001", "0001", "5"}));
    QCOMPARE(window->cboStartSeqNbr->currentText(), QStringLiteral("0001"));
    QCOMPARE(window->cboKyotsuName2->currentText(), QStringLiteral("_end"));
    QCOMPARE(window->cboOutputDir->currentText(), QStringLiteral("/tmp/out"));
    QCOMPARE(Items(window->cboChoiceFile), (QStringList{"/data/a", "/data/b"}));
    QCOMPARE(window->cboChoiceFile->currentText(), QString());
    QCOMPARE(window->cboAddStr->currentText(), QStringLiteral("pre"));
    QCOMPARE(window->cboAddStr2->currentText(), QString());
    QCOMPARE(Items(window->cboAddStr2), QStringList());
    QCOMPARE(window->cboChgStr2->currentText(), QStringLiteral("new"));
    QVERIFY(!window->chkChgStr->isChecked());
  }

  // In a Shift-JIS locale the settings file holds CP932 bytes: they are shown decoded
  // and written back as the same bytes.
  void shiftJisSettingsAreDecodedAndWrittenBack() {
    const morvane::core::CodePage& sjis = morvane::core::CodePage::Cp932();
    morvane::core::SetActiveCodePage(sjis);
    // Back to the tests' code page however the test ends.
    const std::unique_ptr<void, void (*)(void*)> restore(
        this, [](void*) { morvane::core::SetActiveCodePage(morvane::core::CodePage::Utf8()); });
    WindowFixture f;
    const std::string folder = sjis.FromUtf8("/写真/表");
    f.home->WriteSettings(
        QByteArray::fromStdString(sjis.FromUtf8("[CopyFile]\nKyotsuName0=指定なし\nKyotsuName1=旅行_\n"
                                                "Extension0=すべてのファイル\nChoiceFolder0=") +
                                  folder + "\n"));
    {
      auto* window = f.Open();
      QCOMPARE(window->cboKyotsuName->currentText(), QString());
      QCOMPARE(Items(window->cboKyotsuName), QStringList{QStringLiteral("旅行_")});
      QCOMPARE(Items(window->cboExtension), QStringList{QStringLiteral("すべてのファイル")});
      QCOMPARE(Items(window->cboChoiceFile), QStringList{QStringLiteral("/写真/表")});
      window->RememberFieldValue(window->cboKyotsuName, QStringLiteral("旅行_"));
      QCOMPARE(window->lblPreView->text(), QStringLiteral("旅行_"));
      QVERIFY(window->close());
    }
    morvane::core::SettingsStore store(f.home->Files().settingsFile, sjis, morvane::test::RealFileSystem());
    QCOMPARE(store.Load().ReadString("CopyFile", "ChoiceFolder0", ""), folder);
  }

  void optionsAreReadUnderTheFileRules() {
    struct Case {
      const char* settings;
      int sortType;
      bool descending;
      int increment;
      int nameCase;
    } const cases[] = {
        {"[Setting]\nSeqNbrSort=0x3\nSortDse=yes\n", 3, false, 1, 0},
        {"[setting]\nseqnbrsort=2\nSortDse=1\nZoubun=10\nRenameUL=2\n", 2, true, 10, 2},
        {"[Setting]\nSeqNbrSort=7\nZoubun=\nRenameUL=5\n", -1, false, 1, -1},
        {"[Setting]\nZoubun=abc\n", 0, false, 1, 0},
    };
    for (const Case& c : cases) {
      WindowFixture f;
      f.home->WriteSettings(c.settings);
      auto* window = f.Open();
      QCOMPARE(window->cboSortType->currentIndex(), c.sortType);
      QCOMPARE(window->chkSortDse->isChecked(), c.descending);
      QCOMPARE(window->Options().increment, c.increment);
      QCOMPARE(window->edtZoubun->text(), QString::number(c.increment));
      QCOMPARE(window->cboRenameUL->currentIndex(), c.nameCase);
    }
  }

  void userOrderAtStartUpArrangesTheListForReordering() {
    WindowFixture f;
    f.home->WriteSettings("[Setting]\nSeqNbrSort=4\n");
    auto* window = f.Open();
    QCOMPARE(window->cboSortType->currentIndex(), 4);
    QCOMPARE(window->lstChoiceFile->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(window->lstChoiceFile->dragDropMode(), QAbstractItemView::InternalMove);
    QVERIFY(!window->bitChoiceFolder->isEnabled());
  }

  void lastModeThatIsOnWins() {
    WindowFixture f;
    f.home->WriteSettings("[Option]\nChgExt=1\nULCase=1\n");
    auto* window = f.Open();
    QCOMPARE(window->Mode(), OperatingMode::CaseConversion);
    QVERIFY(window->mnuULCase->isChecked());
    QVERIFY(!window->mnuChgExt->isChecked());
    QVERIFY(!window->cboOutputDir->isEnabled());
  }

  void defaultInForceWinsOverHistory() {
    WindowFixture f;
    f.home->WriteSettings(
        "[CopyFile]\nKyotsuName0=recent\nKyotsuName20=back\nchkChgExt=1\n"
        "[Setting]\nKyotsuName=fixed\nKyotsuNameChk=1\nKyotsuName2=unused\nKyotsuName2Chk=0\n"
        "StartSeqNbr=0100\nStartSeqNbrChk=1\nChgExt=jpg\nChgExtChk=1\n");
    auto* window = f.Open();
    QCOMPARE(window->cboKyotsuName->currentText(), QStringLiteral("fixed"));
    QCOMPARE(window->cboKyotsuName2->currentText(), QStringLiteral("back"));
    // The key written as chkChgExt is read whatever its case; the preview sees the
    // defaults.
    QVERIFY(window->chkChgExt->isChecked());
    QVERIFY(window->cboChgExt->isEnabled());
    QCOMPARE(window->lblPreView->text(), QStringLiteral("fixed0100back.jpg"));
  }

  void closeSavesPositionModeAndTargetFolders() {
    WindowFixture f;
    f.home->WriteSettings("[Window]\nLeft=40\nTop=30\n[CopyFile]\nChoiceFolder0=/x\nChoiceFolder1=/y\n");
    {
      auto* window = f.Open();
      QCOMPARE(window->pos(), QPoint(40, 30));
      window->mnuChangeStrClick();
      window->move(120, 80);
      QVERIFY(window->close());
    }
    QCOMPARE(SettingValue(*f.home, "Window", "Left"), QByteArray("120"));
    QCOMPARE(SettingValue(*f.home, "Window", "Top"), QByteArray("80"));
    QCOMPARE(SettingValue(*f.home, "Option", "ChgStr"), QByteArray("1"));
    QCOMPARE(SettingValue(*f.home, "Option", "ULCase"), QByteArray("0"));
    QCOMPARE(SettingValue(*f.home, "CopyFile", "ChoiceFolder1"), QByteArray("/y"));
    auto* again = f.Open();
    QCOMPARE(again->Mode(), OperatingMode::StringReplacement);
    QCOMPARE(again->pos(), QPoint(120, 80));
    QCOMPARE(Items(again->cboChoiceFile), (QStringList{"/x", "/y"}));
  }

  // A folder name that is not valid UTF-8 shows with a replacement character but is
  // written back unchanged, also after a field history moved it.
  void historyItemsKeepTheirBytes() {
    WindowFixture f;
    f.home->WriteSettings("[CopyFile]\nChoiceFolder0=/data/\xff\xfe\nOutputFolder0=/out/\xe9t\xe9\n");
    {
      auto* window = f.Open();
      QCOMPARE(window->cboChoiceFile->count(), 1);
      window->RememberFieldValue(window->cboOutputDir, QStringLiteral("/new"));
      QCOMPARE(morvane::gui::ItemBytes(window->cboOutputDir, 1), std::string("/out/\xe9t\xe9"));
      QVERIFY(window->close());
    }
    QCOMPARE(SettingValue(*f.home, "CopyFile", "ChoiceFolder0"), QByteArray("/data/\xff\xfe"));
  }

  void closeDeletesTheResultFile() {
    WindowFixture f;
    const QString result = QString::fromStdString(f.home->Files().resultFile);
    WindowHome::WriteFile(result, "run\r\n");
    auto* window = f.Open();
    QVERIFY(window->close());
    QVERIFY(!QFile::exists(result));
  }

  void unwritableSettingsKeepTheWindowOpen() {
    WindowFixture f;
    // A folder in place of the settings file cannot be replaced by a write.
    QVERIFY(QDir().mkpath(QString::fromStdString(f.home->Files().settingsFile)));
    auto* window = f.Open();
    window->show();
    window->Messages().AnswerNext(MessageAnswer::Ok);
    QVERIFY(!window->close());
    QVERIFY(window->isVisible());
    QCOMPARE(window->Messages().Shown().size(), std::size_t{1});
    QCOMPARE(window->Messages().Shown()[0].kind, MessageKind::Error);
    QVERIFY(window->Messages().Shown()[0].text.endsWith(QStringLiteral(" に書き込めません")));
  }

  void endButtonAsksOnlyWhenThereIsSomethingToRun() {
    WindowFixture f;
    auto* window = f.Open();
    window->show();
    window->btnEnd->click();
    QVERIFY(!window->isVisible());
    QVERIFY(window->Messages().Shown().empty());

    window->show();
    window->btnStart->setEnabled(true);  // as when the target list holds entries
    window->Messages().AnswerNext(MessageAnswer::Cancel);
    window->btnEnd->click();
    QVERIFY(window->isVisible());
    QCOMPARE(window->Messages().Shown().back().text, QStringLiteral("\r\n終了してよろしいですか？"));
    QCOMPARE(window->Messages().Shown().back().kind, MessageKind::Confirmation);
    window->Messages().AnswerNext(MessageAnswer::Ok);
    window->btnEnd->click();
    QVERIFY(!window->isVisible());

    window->show();
    window->Messages().ClearShown();
    window->Exit1->trigger();
    QVERIFY(!window->isVisible());
    QVERIFY(window->Messages().Shown().empty());
  }

  void logOptionsAndFileDialogFolderAreRead() {
    WindowFixture f;
    f.home->WriteSettings(QByteArray("[Setting]\nOutputLog=1\nTextViewer=less -R\n[Default]\nFileFolder=") +
                          f.home->Path("photos").toUtf8() + "\n");
    {
      auto* window = f.Open();
      QVERIFY(window->LogOptions().outputLog);
      QCOMPARE(window->LogOptions().textViewer, std::string("less -R"));
      QVERIFY(window->FileDialogFolder().empty());  // the folder does not exist
    }
    QVERIFY(QDir().mkpath(f.home->Path("photos")));
    auto* window = f.Open();
    QCOMPARE(QString::fromStdString(window->FileDialogFolder()), f.home->Path("photos"));
  }
};

MORVANE_WINDOW_TEST(StartupTest)
#include "untMain_startup_test.moc"
