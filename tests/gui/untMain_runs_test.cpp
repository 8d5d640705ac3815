// The Start button on the real window in every mode: the questions answered through
// the seams, then the files on disk, the result files, the settings and the list.
#include <QTest>

#include "gui/untConfirmation.h"
#include "gui/untPEndMessage.h"
#include "recording_launcher.h"
#include "support/media_samples.h"
#include "target_fixture.h"
#include "window_test_main.h"

using morvane::core::OperatingMode;
using morvane::core::OverwriteChoice;
using morvane::gui::MessageAnswer;
using morvane::test::Paths;
using morvane::test::RecordingLauncher;
using morvane::test::SettingValue;
using morvane::test::TargetWindow;

namespace {

QByteArray ReadBytes(const std::string& path) {
  return morvane::test::WindowHome::ReadFile(QString::fromStdString(path));
}

// The window with files to work on, its list filled by a drop.
struct RunWindow : TargetWindow {
  RunWindow(std::initializer_list<std::pair<std::string, std::size_t>> files, const Paths& targets) {
    Make(files);
    Paths paths;
    for (const std::string& target : targets) paths.push_back(At(target));
    window->StoreDroppedPaths(paths);
    window->cboStartSeqNbr->setEditText(QStringLiteral("1"));
  }
  // Presses Start with the confirmation accepted and the end message recorded.
  void Start() {
    AnswerRunDialogs();
    window->btnStart->click();
  }
  QStringList MessageTexts() const {
    QStringList texts;
    for (const auto& shown : window->Messages().Shown()) texts << shown.text;
    return texts;
  }
  std::string ResultFile() const { return window->Files().resultFile; }
};

}  // namespace

class MainRunsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { morvane::core::SetActiveCodePage(morvane::core::CodePage::Utf8()); }

  void aSequentialCopyRunsFromStartToEndMessage() {
    RunWindow t({{"in/b.txt", 1}, {"in/a.txt", 1}, {"out/", 0}}, {"in/b.txt", "in/a.txt"});
    t.home->WriteSettings("[Setting]\nOutputLog=1\n");
    t.window->cboStartSeqNbr->setEditText(QStringLiteral("01"));
    t.window->cboOutputDir->setEditText(QString::fromStdString(t.At("out")));
    t.Start();

    QVERIFY(std::filesystem::exists(t.At("out/01.txt")));
    QVERIFY(std::filesystem::exists(t.At("out/02.txt")));
    QVERIFY(std::filesystem::exists(t.At("in/a.txt")));
    QCOMPARE(t.window->frmConfirmation->lblSortType->text(), QStringLiteral("名前（昇順）"));
    const QByteArray result = ReadBytes(t.ResultFile());
    QVERIFY(result.startsWith("リネームログ採取開始　"));
    QVERIFY(result.contains(
        QByteArray::fromStdString("リネーム：" + t.At("in/a.txt") + "\r\n       -> " + t.At("out/01.txt"))));
    QVERIFY(ReadBytes(t.window->Files().logFile).contains("リネームログ採取終了　"));
    const std::vector<std::string>& ends = t.window->frmPEndMessage->ShownTexts();
    QCOMPARE(ends.size(), std::size_t{1});
    QCOMPARE(
        QString::fromStdString(ends[0]),
        QStringLiteral(
            "リネーム処理が完了しました。\r\n2件のファイルをリネームしました。\r\nリネーム失敗数 = 0 件"));
    QVERIFY(t.Entries().empty());
    QVERIFY(!t.window->btnStart->isEnabled());
    QCOMPARE(t.window->windowTitle(), QStringLiteral("Morvane"));
    QCOMPARE(SettingValue(*t.home, "CopyFile", "KyotsuName0"), QByteArray("指定なし"));
    QCOMPARE(SettingValue(*t.home, "CopyFile", "OutputFolder0"), QByteArray::fromStdString(t.At("out")));
    QVERIFY(!SettingValue(*t.home, "CopyFile", "PreViewList0").isEmpty());
  }

  void cancellingTheConfirmationTouchesNothing() {
    RunWindow t({{"in/a.txt", 1}}, {"in/a.txt"});
    t.window->chkDelFile->click();  // in place
    const QByteArray settings = t.home->ReadSettings();
    t.window->frmConfirmation->AnswerNext(false);
    t.window->btnStart->click();
    QVERIFY(std::filesystem::exists(t.At("in/a.txt")));
    QCOMPARE(t.Entries().size(), std::size_t{1});
    QVERIFY(!std::filesystem::exists(t.ResultFile()));
    QCOMPARE(t.home->ReadSettings(), settings);
  }

  // Each refused start shows its message and leaves the list and the disk alone.
  void refusedStartsSayWhy_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("outputFolder");
    QTest::addColumn<QString>("message");
    QTest::newRow("no output folder")
        << int(OperatingMode::SequentialRename) << QString() << "\r\n出力先フォルダが指定されていません。";
    QTest::newRow("relative output folder") << int(OperatingMode::SequentialRename) << "out"
                                            << "\r\n出力先フォルダはフルパスで指定してください。";
    QTest::newRow("no string A") << int(OperatingMode::StringReplacement) << "/tmp"
                                 << "\r\n文字列 A が指定されていません。";
    QTest::newRow("nothing to add") << int(OperatingMode::StringAddition) << "/tmp"
                                    << "\r\n追加文字列が指定されていません。";
    QTest::newRow("both cases kept") << int(OperatingMode::CaseConversion) << "relative"
                                     << "\r\n共通部分の大小と拡張子の大小がどちらも無変換です。";
    QTest::newRow("nothing to convert") << int(OperatingMode::CharacterConversion) << "/tmp"
                                        << "\r\n変換する文字種が指定されていません。";
  }
  void refusedStartsSayWhy() {
    QFETCH(int, mode);
    QFETCH(QString, outputFolder);
    QFETCH(QString, message);
    RunWindow t({{"in/a.txt", 1}}, {"in/a.txt"});
    t.window->SelectMode(static_cast<OperatingMode>(mode));
    t.window->cboOutputDir->setEditText(outputFolder);
    t.window->Messages().AnswerNext(MessageAnswer::Ok);
    t.window->btnStart->click();
    QCOMPARE(t.MessageTexts(), QStringList{message});
    QCOMPARE(t.Entries().size(), std::size_t{1});
    QVERIFY(!std::filesystem::exists(t.ResultFile()));
  }

  // Cancelling a mode's question leaves the list, the result files and the settings.
  void cancellingAnyModeTouchesNothing_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("newExtension");
    QTest::addColumn<int>("answer");
    QTest::newRow("extension change")
        << int(OperatingMode::ExtensionChange) << "md" << int(MessageAnswer::Cancel);
    QTest::newRow("no extension, No") << int(OperatingMode::ExtensionChange) << " " << int(MessageAnswer::No);
    QTest::newRow("case conversion") << int(OperatingMode::CaseConversion) << ""
                                     << int(MessageAnswer::Cancel);
    QTest::newRow("replacement") << int(OperatingMode::StringReplacement) << "" << int(MessageAnswer::Cancel);
    QTest::newRow("addition") << int(OperatingMode::StringAddition) << "" << int(MessageAnswer::Cancel);
  }
  void cancellingAnyModeTouchesNothing() {
    QFETCH(int, mode);
    QFETCH(QString, newExtension);
    QFETCH(int, answer);
    RunWindow t({{"in/a.txt", 1}}, {"in/a.txt"});
    t.window->chkDelFile->click();
    t.window->SelectMode(static_cast<OperatingMode>(mode));
    t.window->cboChgExt->setEditText(newExtension);
    t.window->cboRenameUL->setCurrentIndex(1);
    t.window->cboChgStr->setEditText(QStringLiteral("a"));
    t.window->cboChgStr2->setEditText(QStringLiteral("b"));
    t.window->cboAddStr->setEditText(QStringLiteral("x"));
    const QByteArray settings = t.home->ReadSettings();
    t.window->Messages().AnswerNext(static_cast<MessageAnswer>(answer));
    t.window->btnStart->click();
    QCOMPARE(t.window->Messages().Shown().size(), std::size_t{1});
    QVERIFY(std::filesystem::exists(t.At("in/a.txt")));
    QCOMPARE(t.Entries().size(), std::size_t{1});
    QVERIFY(!std::filesystem::exists(t.ResultFile()));
    QCOMPARE(t.home->ReadSettings(), settings);
  }

  // With the result text option on, the result file opens in the viewer instead of the
  // end message.
  void theResultTextOptionOpensTheResultFileInstead() {
    RunWindow t({{"in/a.txt", 1}}, {"in/a.txt"});
    t.home->WriteSettings("[Setting]\nResultText=1\n");
    RecordingLauncher launcher;
    t.window->SetViewerLauncher(&launcher);
    t.window->chkDelFile->click();
    t.Start();
    QVERIFY(std::filesystem::exists(t.At("in/1.txt")));
    QCOMPARE(launcher.builtIn, std::vector<std::string>{t.ResultFile()});
    QVERIFY(t.window->frmPEndMessage->ShownTexts().empty());
  }

  void userOrderRefusesAFolderAndSelectsIt() {
    RunWindow t({{"a.txt", 1}, {"b.txt", 1}, {"dir/", 0}}, {"a.txt", "b.txt", "dir"});
    t.window->chkDelFile->click();
    t.window->cboSortType->setCurrentIndex(4);
    t.window->cboSortTypeChange();
    t.window->Messages().AnswerNext(MessageAnswer::Ok);
    t.window->btnStart->click();
    QCOMPARE(
        t.MessageTexts(),
        QStringList{QStringLiteral("\r\n連番をつける順序が“ユーザ指定”の場合、フォルダは選択できません。")});
    QVERIFY(t.window->Targets().IsSelected(2));
    QVERIFY(!t.window->Targets().IsSelected(0));
  }

  // Picked on the keyboard: its own value, no user-order arrangement, numbers by value.
  void naturalOrderPickedOnTheKeyboardNumbersByValue() {
    RunWindow t({{"in/a1.txt", 1}, {"in/a10.txt", 10}, {"in/a2.txt", 2}}, {"in"});
    t.window->chkDelFile->click();
    morvane::test::GiveFocus(t.window->cboSortType);
    morvane::test::PressKey(Qt::Key_End);
    QCOMPARE(t.window->cboSortType->currentText(), QStringLiteral("撮影日時"));
    morvane::test::PressKey(Qt::Key_Up);
    QCOMPARE(SettingValue(*t.home, "Setting", "SeqNbrSort"), QByteArray("5"));
    QVERIFY(t.window->bitChoiceFolder->isEnabled());
    t.Start();
    QCOMPARE(t.window->frmConfirmation->lblSortType->text(), QStringLiteral("名前(自然順)（昇順）"));
    QCOMPARE(std::filesystem::file_size(t.At("in/2.txt")), std::uintmax_t{2});
    QCOMPARE(std::filesystem::file_size(t.At("in/3.txt")), std::uintmax_t{10});
  }

  // The 機能 menu's J, the choices on the keyboard, a run in place; the mode and the
  // choices come back at the next start.
  void characterConversionDrivenFromTheKeyboard() {
    RunWindow t({{"in/ｶﾞｲﾄﾞ.ＴＸＴ", 1}, {"in/ＡＢＣ１.txt", 2}, {"in/plain.txt", 3}}, {"in"});
    t.window->chkDelFile->click();
    morvane::test::ActivateWindowOf(t.window.get());
    morvane::test::PressKey(Qt::Key_F, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget() == t.window->mnuFunction);
    morvane::test::PressKey(Qt::Key_J);
    QCOMPARE(t.window->Mode(), OperatingMode::CharacterConversion);
    QVERIFY(t.window->cboConvAlnum->isVisible());
    QVERIFY(!t.window->cboRenameUL->isVisible());

    morvane::test::GiveFocus(t.window->cboConvAlnum);
    morvane::test::PressKey(Qt::Key_Down);  // 半角に
    for (int i = 0; i < 3; ++i) morvane::test::PressKey(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), t.window->cboConvKatakana);
    morvane::test::PressKey(Qt::Key_Down);  // 全角に
    for (int i = 0; i < 4; ++i) morvane::test::PressKey(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), t.window->chkConvExt);
    morvane::test::PressKey(Qt::Key_Space);
    QCOMPARE(SettingValue(*t.home, "Setting", "ConvAlnum"), QByteArray("1"));
    QCOMPARE(SettingValue(*t.home, "Setting", "ConvKatakana"), QByteArray("1"));
    QCOMPARE(SettingValue(*t.home, "Setting", "ConvExt"), QByteArray("1"));
    QCOMPARE(t.window->lblPreView->text(),
             QStringLiteral("Ｆｉｌｅ_ﾃﾞｰﾀ がっこう (01).Txt -> File_データ がっこう (01).Txt"));

    t.window->Messages().AnswerNext(MessageAnswer::Ok);
    t.window->frmPEndMessage->AnswerNext();
    t.window->btnStart->click();
    QVERIFY(std::filesystem::exists(t.At("in/ガイド.TXT")));
    QVERIFY(std::filesystem::exists(t.At("in/ABC1.txt")));
    QVERIFY(std::filesystem::exists(t.At("in/plain.txt")));
    const QByteArray result = ReadBytes(t.ResultFile());
    QVERIFY(result.startsWith("文字種変換ログ採取開始　"));
    QVERIFY(result.contains("2件のファイルを変換しました。"));

    t.window->close();
    QCOMPARE(SettingValue(*t.home, "Option", "CharConv"), QByteArray("1"));
    t.Open();
    QCOMPARE(t.window->Mode(), OperatingMode::CharacterConversion);
    QCOMPARE(t.window->cboConvKatakana->currentIndex(), 1);
    QVERIFY(t.window->chkConvExt->isChecked());
  }

  // 正規表現を使う on the keyboard: A then takes what a pattern needs; a broken pattern is
  // refused with the focus in A, a good one rearranges the names.
  void regularExpressionTypedAndRunFromTheKeyboard() {
    RunWindow t({{"in/29-03-2020 trip.txt", 1}, {"in/notes.txt", 2}}, {"in"});
    t.window->chkDelFile->click();
    t.window->SelectMode(OperatingMode::StringReplacement);
    morvane::test::GiveFocus(t.window->chkRegex);
    morvane::test::PressKey(Qt::Key_Space);
    QCOMPARE(SettingValue(*t.home, "Setting", "ChgStrRegex"), QByteArray("1"));
    morvane::test::Type(t.window->cboChgStr, QStringLiteral("(?<d>\\d\\d)-(\\d\\d)-(\\d{4}|x?*"));
    QCOMPARE(t.window->cboChgStr->currentText(), QStringLiteral("(?<d>\\d\\d)-(\\d\\d)-(\\d{4}|x?*"));
    morvane::test::Type(t.window->cboChgStr2, QStringLiteral("$3-$2-${d}"));
    QCOMPARE(t.window->lblPreView->text(),
             QStringLiteral("/(?<d>\\d\\d)-(\\d\\d)-(\\d{4}|x?*/ → $3-$2-${d}"));
    t.window->Messages().AnswerNext(MessageAnswer::Ok);
    t.window->btnStart->click();
    QCOMPARE(t.MessageTexts().size(), 1);
    QVERIFY2(t.MessageTexts().front().startsWith(QStringLiteral("\r\n正規表現に誤りがあります（")),
             qPrintable(t.MessageTexts().front()));
    QCOMPARE(QApplication::focusWidget(), t.window->cboChgStr);
    QVERIFY(std::filesystem::exists(t.At("in/29-03-2020 trip.txt")));

    // The broken end retyped: | ? * < > and \\ stayed as typed.
    for (int i = 0; i < 3; ++i) morvane::test::PressKey(Qt::Key_Backspace);
    morvane::test::TypeKeys(QStringLiteral(")"));
    t.window->Messages().ClearShown();
    t.window->Messages().AnswerNext(MessageAnswer::Ok);
    t.window->frmPEndMessage->AnswerNext();
    t.window->btnStart->click();
    QVERIFY(std::filesystem::exists(t.At("in/2020-03-29 trip.txt")));
    QVERIFY(std::filesystem::exists(t.At("in/notes.txt")));

    // Turned off, A keeps only what a plain text may hold.
    morvane::test::GiveFocus(t.window->chkRegex);
    morvane::test::PressKey(Qt::Key_Space);
    QCOMPARE(t.window->cboChgStr->currentText(), QStringLiteral("(ddd)-(dd)-(d{4})"));
  }

  void nameTokensAndTheTakenOrderFromTheKeyboard() {
    RunWindow t({{"in/a.jpg", 1}, {"in/b.jpg", 1}}, {"in"});
    morvane::test::WindowHome::WriteFile(QString::fromStdString(t.At("in/a.jpg")),
                                         QByteArray::fromStdString(std::string(morvane::test::kBareJpeg)));
    morvane::test::WindowHome::WriteFile(QString::fromStdString(t.At("in/b.jpg")),
                                         QByteArray::fromStdString(std::string(morvane::test::kDatedJpeg)));
    // a records no date and was modified in 2001; b was taken in 2019.
    std::filesystem::last_write_time(
        t.At("in/a.jpg"), std::filesystem::file_time_type::clock::from_sys(std::chrono::sys_seconds{
                              std::chrono::sys_days{std::chrono::year{2001} / 6 / 1}}));
    t.window->chkDelFile->click();
    morvane::test::GiveFocus(t.window->cboSortType);
    morvane::test::PressKey(Qt::Key_End);
    QCOMPARE(t.window->cboSortType->currentText(), QStringLiteral("撮影日時"));
    morvane::test::Type(t.window->cboKyotsuName, QStringLiteral("<taken:%Y>_"));
    morvane::test::Type(t.window->cboKyotsuName2, QStringLiteral("_<foo>"));
    QCOMPARE(t.window->lblPreView->text(), QStringLiteral("<taken:%Y>_1_<foo>"));
    t.window->Messages().AnswerNext(MessageAnswer::Ok);
    t.window->btnStart->click();
    QCOMPARE(t.MessageTexts().size(), 1);
    QVERIFY2(t.MessageTexts().front().contains(QStringLiteral("差し込み項目 <foo> はありません。")),
             qPrintable(t.MessageTexts().front()));
    QCOMPARE(QApplication::focusWidget(), t.window->cboKyotsuName2);

    for (int i = 0; i < 5; ++i) morvane::test::PressKey(Qt::Key_Backspace);
    morvane::test::TypeKeys(QStringLiteral("<ext>"));
    t.Start();
    QVERIFY(std::filesystem::exists(t.At("in/2001_1_jpg.jpg")));
    QVERIFY(std::filesystem::exists(t.At("in/2019_2_jpg.jpg")));
  }

  void renamingInPlaceNeverOffersToOverwrite() {
    RunWindow t({{"in/a.txt", 1}, {"in/1.txt", 3}}, {"in/a.txt"});
    t.window->chkDelFile->click();
    t.window->Alerts().AnswerNext(OverwriteChoice::Skip);
    t.Start();
    QCOMPARE(t.window->Alerts().AskedQuestions().size(), std::size_t{1});
    QVERIFY(!t.window->Alerts().AskedQuestions()[0].overwriteOffered);
    QCOMPARE(std::filesystem::file_size(t.At("in/1.txt")), std::uintmax_t{3});
    QVERIFY(t.Entries().empty());
  }

  // The other modes: their question, the file on disk, the histories they save.
  void theOtherModesRunAndSaveTheirHistories() {
    struct Case {
      OperatingMode mode;
      const char* before;
      const char* after;
      const char* section;
      const char* key;
      const char* value;
    };
    const Case cases[] = {
        {OperatingMode::ExtensionChange, "a.txt", "a.md", "CopyFile", "ChgExt0", "md"},
        {OperatingMode::CaseConversion, "photo.jpg", "PHOTO.jpg", "CopyFile", "Extension0",
         "すべてのファイル"},
        {OperatingMode::StringReplacement, "old_1.txt", "new_1.txt", "ChgStr", "ChgStr0", "old"},
        {OperatingMode::StringAddition, "r.txt", "x_r.txt", "AddStr", "AddStr20", "指定なし"},
    };
    for (const Case& c : cases) {
      RunWindow t({{std::string("in/") + c.before, 1}}, {std::string("in/") + c.before});
      t.window->chkDelFile->click();
      t.window->SelectMode(c.mode);
      t.window->cboChgExt->setEditText(QStringLiteral("md"));
      t.window->cboRenameUL->setCurrentIndex(c.mode == OperatingMode::CaseConversion ? 1 : 0);
      t.window->cboChgStr->setEditText(QStringLiteral("old"));
      t.window->cboChgStr2->setEditText(QStringLiteral("new"));
      t.window->cboAddStr->setEditText(QStringLiteral("x_"));
      t.window->Messages().AnswerNext(MessageAnswer::Ok);  // the mode's OK/Cancel question
      t.window->frmPEndMessage->AnswerNext();
      t.window->btnStart->click();
      QVERIFY2(std::filesystem::exists(t.At(std::string("in/") + c.after)), c.after);
      QVERIFY(t.Entries().empty());
      QCOMPARE(SettingValue(*t.home, c.section, c.key), QByteArray(c.value));
      QCOMPARE(t.window->frmPEndMessage->ShownTexts().size(), std::size_t{1});
    }
  }

  void theLogMenuOpensAndDeletesTheResultLog() {
    RunWindow t({}, {});
    RecordingLauncher launcher;
    t.window->SetViewerLauncher(&launcher);
    t.window->Messages().AnswerNext(MessageAnswer::Ok);
    t.window->mnuLogViewer->trigger();
    QCOMPARE(t.window->Messages().Shown().size(), std::size_t{1});
    QVERIFY(launcher.builtIn.empty());

    morvane::test::WindowHome::WriteFile(QString::fromStdString(t.window->Files().logFile), "log\r\n");
    t.window->mnuLogViewer->trigger();
    QCOMPARE(launcher.builtIn, std::vector<std::string>{t.window->Files().logFile});
    t.window->Messages().AnswerNext(MessageAnswer::Ok);
    t.window->Messages().AnswerNext(MessageAnswer::Ok);
    t.window->C1->trigger();
    QVERIFY(!std::filesystem::exists(t.window->Files().logFile));
  }

  void enterInAnEmptyOutputFolderMovesToTheBrowseButton() {
    RunWindow t({}, {});
    morvane::test::GiveFocus(t.window->cboOutputDir);
    morvane::test::PressKey(Qt::Key_Return);
    QTRY_VERIFY(t.window->bitOutputDir->hasFocus());
    QVERIFY(t.window->Messages().Shown().empty());

    // A typed folder that does not exist: the question, and the folder made after Yes.
    for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
      t.window->cboOutputDir->setEditText(QString());
      morvane::test::Type(t.window->cboOutputDir, QString::fromStdString(t.At("made")));
      t.window->Messages().AnswerNext(answer);
      morvane::test::PressKey(Qt::Key_Return);
      QCOMPARE(t.MessageTexts().back(), QStringLiteral("存在しないフォルダです！作成しますか？\r\n") +
                                            QString::fromStdString(t.At("made")));
      QCOMPARE(std::filesystem::is_directory(t.At("made")), answer == MessageAnswer::Yes);
    }
    QCOMPARE(t.window->Messages().Shown().size(), std::size_t{2});  // Enter adds nothing after No
  }
};

MORVANE_WINDOW_TEST(MainRunsTest)
#include "untMain_runs_test.moc"
