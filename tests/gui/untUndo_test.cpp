// Undo from the window: the 機能 menu's item, the dialog that shows what undo will do,
// and the undo itself on real files, written to the result file like a run.
#include "gui/untUndo.h"

#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <map>

#include "core/undo/journal_format.h"
#include "gui/undo_list_model.h"
#include "gui/untPEndMessage.h"
#include "when_modal.h"
#include "window_fixture.h"
#include "window_test_main.h"

using morvane::gui::MessageAnswer;
using morvane::gui::MessageKind;
using morvane::gui::TfrmUndo;
using morvane::gui::UndoListModel;

namespace {

namespace fs = std::filesystem;

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void Write(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The window after a numbering in place of a.txt, b.txt and c.txt to 1.txt, 2.txt and
// 3.txt, started with its Start button.
struct RenamedFolder : morvane::test::WindowFixture {
  RenamedFolder() {
    fs::create_directories(At("in"));
    Write(At("in/a.txt"), "alpha");
    Write(At("in/b.txt"), "bravo");
    Write(At("in/c.txt"), "charlie");
    OpenShown();
    window->StoreDroppedPaths({At("in/a.txt"), At("in/b.txt"), At("in/c.txt")});
    if (!window->chkDelFile->isChecked()) window->chkDelFile->click();
    window->cboStartSeqNbr->setEditText(QStringLiteral("1"));
    AnswerRunDialogs();
    window->btnStart->click();
  }

  std::string ResultFile() const { return home->Files().resultFile; }
  std::string UndoFolder() const { return home->Files().folder + "/Undo"; }
  std::vector<std::string> Journals() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(UndoFolder()))
      if (entry.path().extension() == ".journal") names.push_back(entry.path().string());
    return names;
  }
  // Every file of the folder "in": name -> content.
  std::map<std::string, std::string> Files() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(At("in")))
      files[entry.path().filename().string()] = Read(entry.path().string());
    return files;
  }
  // The undo confirmed through the dialog's seam, its end message recorded.
  void UndoConfirmed() const {
    window->frmUndo->AnswerNext(true);
    window->frmPEndMessage->AnswerNext();
    window->mnuUndo->trigger();
  }
  // The id of the undo that took back the journal at path ("" when none did).
  static std::string UndoneBy(const std::string& path) {
    const morvane::core::JournalReadResult read = morvane::core::ParseJournal(Read(path));
    return read.contents ? read.contents->undoneBy : "?";
  }
  QString Row(int row, int column) const {
    return window->frmUndo->lstUndo->model()->index(row, column).data().toString();
  }
};

const std::map<std::string, std::string> kBefore = {
    {"a.txt", "alpha"}, {"b.txt", "bravo"}, {"c.txt", "charlie"}};
const std::map<std::string, std::string> kRenamed = {
    {"1.txt", "alpha"}, {"2.txt", "bravo"}, {"3.txt", "charlie"}};

}  // namespace

class UndoTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { morvane::core::SetActiveCodePage(morvane::core::CodePage::Utf8()); }

  void nothingToUndoBeforeTheFirstRun() {
    morvane::test::WindowFixture f;
    morvane::gui::TfrmMain* window = f.Open();
    QCOMPARE(window->mnuUndo->text(), QStringLiteral("元に戻す(&Z)..."));
    const QList<QAction*> items = window->mnuFunction->actions();
    QCOMPARE(items.indexOf(window->mnuUndo), items.indexOf(window->mnuPreviewList) + 1);
    QVERIFY(!window->mnuUndo->isEnabled());
  }

  // The whole way through, from the keyboard: the menu, the dialog's rows, Escape, then
  // Enter; every file back under its old name, and the undo's lines in the result file.
  void aRunComesBackWhole() {
    RenamedFolder f;
    QCOMPARE(f.Files(), kRenamed);
    QVERIFY(f.window->mnuUndo->isEnabled());
    const std::string run = f.Journals().front();
    const std::string result = Read(f.ResultFile());
    const QString runTitle = QString::fromStdString(result.substr(0, result.find("\r\n")));
    QVERIFY2(runTitle.startsWith(QStringLiteral("リネームログ採取開始　")), qPrintable(runTitle));

    // Alt+F opens the 機能 menu, and Z (its own letter there) chooses the item.
    const auto openUndoFromMenu = [&f] {
      morvane::test::ActivateWindowOf(f.window.get());
      morvane::test::PressKey(Qt::Key_F, Qt::AltModifier);
      QTRY_VERIFY(QApplication::activePopupWidget() == f.window->mnuFunction);
      morvane::test::PressKey(Qt::Key_Z);
    };
    // A key pressed in the dialog once it has the keyboard, and whether that closed it;
    // closed in any case, so that a failed check cannot leave it open.
    bool closedByKey = false;
    const auto press = [&closedByKey](TfrmUndo& undo, Qt::Key key) {
      morvane::test::ActivateWindowOf(&undo);
      morvane::test::PressKey(key);
      closedByKey = !undo.isVisible();
      if (!closedByKey) undo.reject();
    };

    {
      morvane::test::WhenModal<TfrmUndo> dialog(QStringLiteral("the undo dialog"),
                                                [&](TfrmUndo& undo) { press(undo, Qt::Key_Escape); });
      openUndoFromMenu();
    }
    QVERIFY(closedByKey);
    QCOMPARE(f.Files(), kRenamed);
    QCOMPARE(Read(f.ResultFile()), result);

    f.window->frmPEndMessage->AnswerNext();
    QStringList rows;
    QString title, time, count, counts;
    bool startsOnUndo = false;
    {
      morvane::test::WhenModal<TfrmUndo> dialog(QStringLiteral("the undo dialog"), [&](TfrmUndo& undo) {
        title = undo.lblUndoTitle->text();
        time = undo.lblUndoTime->text();
        count = undo.lblUndoCount->text();
        counts = undo.lblUndoCounts->text();
        for (int row = 0; row < undo.lstUndo->model()->rowCount(); ++row)
          rows << f.Row(row, UndoListModel::kCurrentName) + " -> " + f.Row(row, UndoListModel::kOldName) +
                      " " + f.Row(row, UndoListModel::kOutcome);
        startsOnUndo = undo.focusWidget() == undo.btnUndo;
        press(undo, Qt::Key_Return);
      });
      openUndoFromMenu();
    }
    QVERIFY(startsOnUndo);
    QVERIFY(closedByKey);
    QCOMPARE(title, runTitle);
    QVERIFY2(time.startsWith(QStringLiteral("実行日時：%1/").arg(QDate::currentDate().year())),
             qPrintable(time));
    QCOMPARE(count, QStringLiteral("変更したファイル：3 件"));
    // Newest first, as undo takes them back.
    QCOMPARE(rows, (QStringList{"3.txt -> c.txt 元の名前に戻す", "2.txt -> b.txt 元の名前に戻す",
                                "1.txt -> a.txt 元の名前に戻す"}));
    QCOMPARE(counts, QStringLiteral("元に戻すファイル 3 個　元に戻せないファイル 0 個"));

    QCOMPARE(f.Files(), kBefore);
    const std::string undone = Read(f.ResultFile());
    QVERIFY2(undone.starts_with("元に戻すログ採取開始　"), undone.c_str());
    QVERIFY(undone.find("元に戻す実行：" + runTitle.toStdString()) != std::string::npos);
    QVERIFY(undone.find("元の名前に戻しました：" + f.At("in/1.txt") + "\r\n       -> a.txt") !=
            std::string::npos);
    QCOMPARE(f.window->frmPEndMessage->ShownTexts().back(),
             std::string(
                 "元に戻す処理が完了しました。\r\n3件を元に戻しました。\r\n元に戻せなかったファイル：0件"));

    QVERIFY(!f.UndoneBy(run).empty());

    // The undo is a run of its own, which can be taken back in turn.
    QVERIFY(f.window->mnuUndo->isEnabled());
    f.UndoConfirmed();
    QVERIFY2(f.window->frmUndo->lblUndoTitle->text().startsWith(QStringLiteral("元に戻すログ採取開始　")),
             qPrintable(f.window->frmUndo->lblUndoTitle->text()));
    QVERIFY(!f.window->frmUndo->lblUndoTime->text().contains(QStringLiteral("不明")));
    QCOMPARE(f.Files(), kRenamed);
  }

  // A name taken by hand since the run: that file is reported and left, the rest undone.
  void aTakenNameIsLeftAndTheRestUndone() {
    RenamedFolder f;
    const std::string run = f.Journals().front();
    Write(f.At("in/a.txt"), "by hand");
    f.UndoConfirmed();

    QAbstractItemModel* model = f.window->frmUndo->lstUndo->model();
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(f.Row(2, UndoListModel::kCurrentName), QStringLiteral("1.txt"));
    QCOMPARE(f.Row(2, UndoListModel::kOutcome), QStringLiteral("元の名前が使用中"));
    QVERIFY(!model->index(2, UndoListModel::kOutcome).data(Qt::DecorationRole).isNull());
    QVERIFY(model->index(0, UndoListModel::kOutcome).data(Qt::DecorationRole).isNull());
    QCOMPARE(f.window->frmUndo->lblUndoCounts->text(),
             QStringLiteral("元に戻すファイル 2 個　元に戻せないファイル 1 個"));

    const std::map<std::string, std::string> expected = {
        {"a.txt", "by hand"}, {"1.txt", "alpha"}, {"b.txt", "bravo"}, {"c.txt", "charlie"}};
    QCOMPARE(f.Files(), expected);
    const std::string result = Read(f.ResultFile());
    QVERIFY(result.find("元に戻せませんでした：" + f.At("in/1.txt") + "\r\n　元の名前が使用中です：" +
                        f.At("in/a.txt")) != std::string::npos);
    QCOMPARE(f.window->frmPEndMessage->ShownTexts().back(),
             std::string(
                 "元に戻す処理が完了しました。\r\n2件を元に戻しました。\r\n元に戻せなかったファイル：1件"));
    // Only a run taken back whole counts as undone.
    QVERIFY(f.UndoneBy(run).empty());
  }

  // A journal that cannot be read is refused with the reason, and nothing changes.
  void aJournalThatCannotBeReadIsRefused_data() {
    QTest::addColumn<int>("damage");
    QTest::addColumn<QString>("reason");
    QTest::newRow("garbage") << 0 << QStringLiteral("元に戻すための記録ではありません。");
    QTest::newRow("another version") << 1 << QStringLiteral("バージョン 7 です");
    QTest::newRow("unknown record") << 3 << QStringLiteral("記録が壊れています");
  }
  void aJournalThatCannotBeReadIsRefused() {
    QFETCH(int, damage);
    QFETCH(QString, reason);
    RenamedFolder f;
    QCOMPARE(f.Journals().size(), std::size_t{1});
    const std::string journal = f.Journals().front();
    std::string bytes = Read(journal);
    switch (damage) {
      case 0:
        bytes = "\x89PNG garbage\r\n\x1a\n";
        break;
      case 1:
        bytes.replace(bytes.find(' '), bytes.find('\n') - bytes.find(' '), " 7");
        break;
      default:
        bytes += "Zunknown\n";
        break;
    }
    Write(journal, bytes);
    const std::string result = Read(f.ResultFile());

    f.window->Messages().AnswerNext(MessageAnswer::Ok);
    f.window->mnuUndo->trigger();
    const std::vector<morvane::gui::ShownMessage>& shown = f.window->Messages().Shown();
    QCOMPARE(shown.size(), std::size_t{1});
    QCOMPARE(shown[0].kind, MessageKind::Error);
    QVERIFY2(shown[0].text.contains(reason), qPrintable(shown[0].text));
    QVERIFY(shown[0].text.contains(QStringLiteral("何も変更していません。")));
    QVERIFY(shown[0].text.contains(QString::fromStdString(journal)));

    QVERIFY(f.window->frmUndo->lblUndoTitle->text().isEmpty());
    QCOMPARE(f.Files(), kRenamed);
    QCOMPARE(Read(f.ResultFile()), result);
    QCOMPARE(f.Journals(), std::vector<std::string>{journal});
    QCOMPARE(Read(journal), bytes);
  }

  // The item follows what happens outside the window each time the menu opens.
  void theItemFollowsTheJournalsWhenTheMenuOpens() {
    RenamedFolder f;
    QVERIFY(f.window->mnuUndo->isEnabled());
    fs::remove_all(f.UndoFolder());
    emit f.window->mnuFunction->aboutToShow();
    QVERIFY(!f.window->mnuUndo->isEnabled());
  }
};

MORVANE_WINDOW_TEST(UndoTest)
#include "untUndo_test.moc"
