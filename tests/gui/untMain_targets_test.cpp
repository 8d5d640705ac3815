// The target list's ways in and out, its commands and their enabled states.
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTest>

#include "core/targets/ways_in.h"
#include "core/text/trim.h"
#include "platform/posix_file_system.h"
#include "target_fixture.h"
#include "window_test_main.h"

using morvane::gui::MessageAnswer;
using morvane::gui::MessageKind;
using morvane::test::Paths;
using morvane::test::SettingValue;
using morvane::test::TargetWindow;

namespace {

// The message texts shown, in order.
QStringList ShownTexts(morvane::gui::TfrmMain& window) {
  QStringList texts;
  for (const auto& shown : window.Messages().Shown()) texts << shown.text;
  return texts;
}

bool ListCommandsEnabled(const morvane::gui::TfrmMain& window) {
  return window.btnListClear->isEnabled() && window.pmnCFListClear->isEnabled() &&
         window.btnStart->isEnabled();
}

}  // namespace

class TargetsTest : public QObject {
  Q_OBJECT

 private slots:
  void fileDialogExchangesTheFirstAndLastChosen() {
    const struct {
      Paths chosen;
      Paths appended;
    } cases[] = {
        {{"a", "b", "c", "d"}, {"d", "b", "c", "a"}},
        {{"a", "b"}, {"b", "a"}},
        {{"a"}, {"a"}},
    };
    for (const auto& c : cases) {
      TargetWindow t;
      Paths chosen;
      for (const std::string& name : c.chosen) chosen.push_back(t.At(name));
      t.window->FileDialog().AnswerNext(chosen);
      t.window->bitChoiceFiles->click();
      Paths expected;
      for (const std::string& name : c.appended) expected.push_back(t.At(name));
      QCOMPARE(t.Entries(), expected);
      QVERIFY(ListCommandsEnabled(*t.window));
      // The folder of the first chosen file, for the next time and the next start.
      QCOMPARE(SettingValue(*t.home, "Default", "FileFolder"), QByteArray::fromStdString(t.data));
      QCOMPARE(t.window->FileDialogFolder(), t.data);
      QCOMPARE(t.window->windowTitle(), QStringLiteral("Morvane"));
    }
  }

  void fileDialogFilterComesFromTheFileTypesAndAddsWithoutLooking() {
    TargetWindow t;
    t.Make({{"a.txt", 1}});
    t.window->cboExtension->setEditText(QString());
    t.window->FileDialog().AnswerNext({t.At("a.txt")});
    t.window->bitChoiceFiles->click();
    QCOMPARE(t.window->FileDialog().LastFilter(), QStringLiteral("すべてのファイル (*.*)|*.*"));
    t.window->cboExtension->setEditText(QStringLiteral("bmp,jpg"));
    t.window->FileDialog().AnswerNext({t.At("a.txt")});
    t.window->bitChoiceFiles->click();
    QCOMPARE(t.window->FileDialog().LastFilter(), QStringLiteral("ユーザー設定 (*.bmp;*.jpg)|*.bmp;*.jpg"));
    QCOMPARE(morvane::gui::QtFileDialogFilter(t.window->FileDialog().LastFilter()),
             QStringLiteral("ユーザー設定 (*.bmp *.jpg)"));
    // No filter and no duplicate test: the same file twice. Typing it leaves it once.
    QCOMPARE(t.Entries(), (Paths{t.At("a.txt"), t.At("a.txt")}));
    t.window->cboExtension->setEditText(QStringLiteral("txt"));
    t.TypePath(t.At("a.txt"));
    QCOMPARE(t.Entries(), Paths{t.At("a.txt")});

    // A cancelled dialog changes nothing.
    t.window->FileDialog().AnswerNext({});
    t.window->bitChoiceFiles->click();
    QCOMPARE(t.Entries().size(), std::size_t{1});
  }

  void typedPathsAreCheckedInOrder() {
    TargetWindow t;
    t.Make({{"a.txt", 1}, {"b.exe", 1}, {"c.bmp", 1}, {"ro/", 0}, {"a/", 0}});
    std::filesystem::permissions(t.At("ro"), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    t.window->cboExtension->setEditText(QStringLiteral("txt,exe"));
    const struct {
      std::string typed;
      const char* warning;
    } cases[] = {
        {t.At("c.bmp"), "変換するファイルの種類にない拡張子のファイルです！\r\n"},
        {t.At("b.exe"), "保護するファイルの種類に指定された拡張子のファイルです！\r\n"},
        {t.At("none"), "存在しないファイル・フォルダです！\r\n"},
    };
    for (const auto& c : cases) {
      t.window->Messages().ClearShown();
      t.window->Messages().AnswerNext(MessageAnswer::Ok);
      t.TypePath(c.typed);
      QCOMPARE(ShownTexts(*t.window),
               QStringList{QString::fromUtf8(c.warning) + QString::fromStdString(c.typed)});
      QCOMPARE(t.window->Messages().Shown()[0].kind, MessageKind::Warning);
      QCOMPARE(t.window->cboChoiceFile->currentText().toStdString(), c.typed);  // kept for correcting
      QVERIFY(t.Entries().empty());
    }
    // A protected type that the filter does not admit: the file-type warning comes first.
    t.window->cboExtension->setEditText(QStringLiteral("txt"));
    t.window->Messages().ClearShown();
    t.window->Messages().AnswerNext(MessageAnswer::Ok);
    t.TypePath(t.At("b.exe"));
    QVERIFY(ShownTexts(*t.window).at(0).startsWith(QStringLiteral("変換するファイルの種類にない")));

    t.window->Messages().ClearShown();
    t.TypePath(t.At("a.txt"));
    t.TypePath(t.At("ro"));  // a read-only folder is a folder
    QVERIFY(t.window->Messages().Shown().empty());
    QCOMPARE(t.Entries(), (Paths{t.At("a.txt"), t.At("ro")}));
    QCOMPARE(t.window->cboChoiceFile->itemText(0).toStdString(), t.At("ro"));
    QCOMPARE(t.window->cboChoiceFile->currentText(), QString());
    QVERIFY(ListCommandsEnabled(*t.window));

    // Enter on an empty field moves on to the file button.
    t.window->activateWindow();
    t.TypePath("");
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(t.window->bitChoiceFiles));

    // In the user order a typed folder does nothing at all.
    t.UseUserOrder();
    t.TypePath(t.At("a"));
    QCOMPARE(t.Entries().size(), std::size_t{2});
    QCOMPARE(t.window->cboChoiceFile->currentText().toStdString(), t.At("a"));
    QVERIFY(t.window->Messages().Shown().empty());
    std::filesystem::permissions(t.At("ro"), std::filesystem::perms::owner_all);
  }

  void targetFolderHistoryKeepsTenAndPicksMoveToTheHead() {
    TargetWindow t;
    for (int i = 0; i < 11; ++i) {
      t.Make({{"f" + std::to_string(i) + "/", 0}});
      t.TypePath(t.At("f" + std::to_string(i)));
    }
    QCOMPARE(t.window->cboChoiceFile->count(), 10);
    QCOMPARE(t.window->cboChoiceFile->itemText(0).toStdString(), t.At("f10"));
    QCOMPARE(t.window->cboChoiceFile->itemText(9).toStdString(), t.At("f1"));

    // Typing an item's text and leaving the field is no pick.
    const Paths before = t.Entries();
    t.window->cboChoiceFile->setEditText(QString());
    morvane::test::Type(t.window->cboChoiceFile, QString::fromStdString(t.At("f7")));
    morvane::test::PressKey(Qt::Key_Tab);
    QTRY_VERIFY(!t.window->cboChoiceFile->hasFocus());
    QCOMPARE(t.Entries(), before);
    QCOMPARE(t.window->cboChoiceFile->itemText(0).toStdString(), t.At("f10"));

    // A pick from the drop-down, on the keyboard, appends the item once more at the end
    // and moves it to the head.
    t.window->cboChoiceFile->setEditText(QString());
    morvane::test::GiveFocus(t.window->cboChoiceFile);
    morvane::test::PressKey(Qt::Key_Down, Qt::AltModifier);
    QTRY_VERIFY(t.window->cboChoiceFile->view()->isVisible());
    for (int i = 0; i < 3; ++i) morvane::test::PressKey(Qt::Key_Down);
    morvane::test::PressKey(Qt::Key_Return);
    QTRY_VERIFY(!t.window->cboChoiceFile->view()->isVisible());
    QCOMPARE(t.Entries().back(), t.At("f7"));
    QCOMPARE(t.Entries().size(), std::size_t{11});  // moved from its place to the end
    QCOMPARE(t.window->cboChoiceFile->itemText(0).toStdString(), t.At("f7"));
    QCOMPARE(t.window->cboChoiceFile->currentText(), QString());
  }

  void dropAddsFoldersAndAdmittedFilesKeepingTheirBytes() {
    TargetWindow t;
    const std::string latin1 = "caf\xE9.txt";  // not valid UTF-8
    t.Make({{"dir/", 0}, {"a.txt", 1}, {"b.bmp", 1}, {latin1, 3}});
    t.window->cboExtension->setEditText(QStringLiteral("txt"));
    // The window takes file drags from a file manager, and nothing else.
    for (const QString& type : {QStringLiteral("text/uri-list"), QStringLiteral("text/plain")}) {
      QMimeData mime;
      mime.setData(type, "file:///tmp\r\n");
      QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(t.window.get(), &enter);
      QCOMPARE(enter.isAccepted(), type == QStringLiteral("text/uri-list"));
    }
    t.Drop({t.At("b.bmp")});
    QVERIFY(t.Entries().empty());
    QVERIFY(!t.window->btnStart->isEnabled());

    t.Drop({t.At("dir"), t.At("a.txt"), t.At("b.bmp"), t.At(latin1), t.At("a.txt")});
    QCOMPARE(t.Entries(), (Paths{t.At("dir"), t.At("a.txt"), t.At(latin1), t.At("a.txt")}));
    QVERIFY(std::filesystem::exists(t.Entries()[2]));
    QCOMPARE(t.window->cboChoiceFile->itemText(0).toStdString(), t.At("dir"));
    QCOMPARE(t.window->cboChoiceFile->currentText(), QString());
    QVERIFY(ListCommandsEnabled(*t.window));
    QCOMPARE(t.window->windowTitle(), QStringLiteral("Morvane"));
    QCOMPARE(t.Panel(), QStringLiteral("全ファイル　4個　　5byte"));
    // A drop onto a list that has entries totals the old and the new.
    t.Drop({t.At(latin1), t.At("gone.txt")});
    QCOMPARE(t.Panel(), QStringLiteral("全ファイル　6個　　8byte"));

    // In the user order, folders are skipped.
    t.UseUserOrder();
    t.Drop({t.At("dir"), t.At("a.txt")});
    QCOMPARE(t.Entries().size(), std::size_t{7});
    QCOMPARE(t.Entries().back(), t.At("a.txt"));
  }

  void commandLinePutsEachArgumentAtTheTop() {
    TargetWindow probe;
    probe.Make({{"x.txt", 1}, {"y/", 0}, {"z.txt", 1}, {".hidden", 1}});
    const TargetWindow t({probe.At("x.txt"), probe.At("y") + "/", probe.At("missing"), probe.At(".hidden"),
                          "", probe.At("z.txt")});
    QCOMPARE(t.Entries(), (Paths{probe.At("z.txt"), probe.At("y"), probe.At("x.txt")}));
    QCOMPARE(t.window->cboChoiceFile->itemText(0).toStdString(), probe.At("y"));
    QCOMPARE(t.window->cboChoiceFile->currentText(), QString());
    QVERIFY(ListCommandsEnabled(*t.window));
    QCOMPARE(t.Panel(), QStringLiteral("全ファイル　3個　　2byte"));
    QCOMPARE(t.window->windowTitle(), QStringLiteral("Morvane"));
  }

  void commandLineLongFormsAreThoseOfTheFileSystem() {
    TargetWindow t;
    t.Make({{"dir/sub/x.txt", 1}, {".hid/y.txt", 1}, {"123", 1}, {".dot", 1}, {"Mixed.TXT", 1}});
    std::filesystem::create_symlink(t.At("gone"), t.At("dangling"));
    std::filesystem::create_directory_symlink(t.At("dir"), t.At("linked"));
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(t.data));
    const morvane::platform::PosixFileSystem fileSystem;
    for (const std::string& path :
         {t.At("dir/sub/x.txt"), t.At("dir/sub/../sub/x.txt"), t.At(".hid/y.txt"), t.At("dir//"),
          t.At("dir/sub/"), t.At("123"), t.At(".dot"), t.At("Mixed.TXT"), t.At("mixed.txt"), t.At("dangling"),
          t.At("linked/sub"), t.At("none"), std::string("/"), std::string("dir/sub/x.txt"),
          std::string("./123"), std::string("")}) {
      Paths expected;
      const std::string longForm(morvane::core::TrimBlanks(fileSystem.ToLongPathForm(path)));
      if (!longForm.empty()) expected.push_back(longForm);
      QCOMPARE(morvane::core::CommandLineTargets({path}, fileSystem).entries, expected);
    }
    QDir::setCurrent(cwd);
  }

  void removingSelectsTheEntryAfterTheLastRemoved() {
    TargetWindow t;
    t.Make({{"0", 0}, {"1", 0}, {"2", 0}, {"3", 0}, {"4", 0}, {"5", 0}});
    t.Drop({t.At("0"), t.At("1"), t.At("2"), t.At("3"), t.At("4"), t.At("5")});
    t.Select({1, 3});
    QVERIFY(t.window->btnSelectFileDel->isEnabled());
    t.window->btnSelectFileDel->click();
    QCOMPARE(t.Entries(), (Paths{t.At("0"), t.At("2"), t.At("4"), t.At("5")}));
    QCOMPARE(t.window->lstChoiceFile->selectionModel()->selectedRows().size(), 1);
    QCOMPARE(t.window->lstChoiceFile->selectionModel()->selectedRows()[0].row(), 2);
    QCOMPARE(t.window->cboChoiceFile->currentText().toStdString(), t.At("4"));

    t.Select({3});
    t.window->pmnCFSelectFileDel->trigger();
    QVERIFY(t.window->lstChoiceFile->selectionModel()->selectedRows().isEmpty());
    QVERIFY(!t.window->btnSelectFileDel->isEnabled());
    QVERIFY(ListCommandsEnabled(*t.window));

    t.Select({0, 1, 2});
    t.window->btnSelectFileDel->click();
    QVERIFY(t.Entries().empty());
    QVERIFY(!t.window->btnListClear->isEnabled());
    QVERIFY(!t.window->btnStart->isEnabled());
  }

  void clearEmptiesTheListAndShowsFreeSpace() {
    TargetWindow t;
    t.window->AppendTarget(t.At("a"));
    t.window->btnStart->setEnabled(true);
    t.Select({0});
    QCOMPARE(t.window->lstChoiceFile->toolTip().toStdString(), t.At("a"));
    t.window->pmnCFListClear->setEnabled(true);
    t.window->pmnCFListClear->trigger();
    QVERIFY(t.Entries().empty());
    QVERIFY(!t.window->btnListClear->isEnabled() && !t.window->btnStart->isEnabled());
    QVERIFY(t.Panel().startsWith(QStringLiteral("空き容量　")));
    QCOMPARE(t.window->lstChoiceFile->toolTip(), QString());
    QCOMPARE(t.window->cboChoiceFile->currentText(), QString());
  }

  void movesWorkOnlyInTheUserOrderWithOneSelected() {
    TargetWindow t;
    for (const char* name : {"a", "b", "c", "d"}) t.window->AppendTarget(t.At(name));
    t.Select({1});
    QVERIFY(!t.window->bitListUp->isEnabled());  // not in the user order
    t.UseUserOrder();
    QVERIFY(t.window->bitListUp->isEnabled() && t.window->pmnCFListToBottom->isEnabled());
    const struct {
      QPushButton* button;
      Paths order;
      int selected;
    } steps[] = {
        {t.window->bitListUp, {"b", "a", "c", "d"}, 0},
        {t.window->bitListUp, {"b", "a", "c", "d"}, 0},  // the first up: nothing
        {t.window->bitListToBottom, {"a", "c", "d", "b"}, 3},
        {t.window->bitListDown, {"a", "c", "d", "b"}, 3},  // the last down: nothing
        {t.window->bitListToTop, {"b", "a", "c", "d"}, 0},
        {t.window->bitListDown, {"a", "b", "c", "d"}, 1},
    };
    for (const auto& step : steps) {
      step.button->click();
      Paths order;
      for (const std::string& name : step.order) order.push_back(t.At(name));
      QCOMPARE(t.Entries(), order);
      QCOMPARE(t.window->lstChoiceFile->currentIndex().row(), step.selected);
      QCOMPARE(t.window->lstChoiceFile->selectionModel()->selectedRows().size(), 1);
    }
    // Another mode leaves the user order: the moves and the folder button follow.
    t.window->mnuChgExt->trigger();
    QVERIFY(!t.window->bitListUp->isEnabled() && !t.window->pmnCFListUp->isEnabled());
    QVERIFY(t.window->bitChoiceFolder->isEnabled());
  }

  void draggingAndRightPressUseTheRowUnderThePointer() {
    TargetWindow t;
    for (const char* name : {"1", "2", "3", "4"}) t.window->AppendTarget(t.At(name));
    t.Select({0, 2});
    t.UseUserOrder();
    QCOMPARE(t.window->lstChoiceFile->selectionModel()->selectedRows().size(), 1);  // one at most
    const int row = t.window->lstChoiceFile->sizeHintForRow(0);
    t.window->lstChoiceFileDragDrop(0, 2 * row + 1);
    QCOMPARE(t.Entries(), (Paths{t.At("2"), t.At("1"), t.At("3"), t.At("4")}));
    QCOMPARE(t.window->lstChoiceFile->currentIndex().row(), 1);
    t.window->lstChoiceFileDragDrop(1, 100 * row);
    QCOMPARE(t.Entries().back(), t.At("1"));

    // A right press selects the row under it in the user order, nothing below the last.
    QWidget* viewport = t.window->lstChoiceFile->viewport();
    QTest::mousePress(viewport, Qt::RightButton, Qt::NoModifier, QPoint(5, row + row / 2));
    QCOMPARE(t.window->lstChoiceFile->selectionModel()->selectedRows().at(0).row(), 1);
    QCOMPARE(t.window->cboChoiceFile->currentText().toStdString(), t.At("3"));
    t.window->lstChoiceFileMouseDown(Qt::RightButton, 5 * row);
    QVERIFY(t.window->lstChoiceFile->selectionModel()->selectedRows().isEmpty());
    QVERIFY(!t.window->btnSelectFileDel->isEnabled());

    // In the selection arrangement it leaves the selection as it is.
    t.window->cboSortType->setCurrentIndex(0);
    t.window->cboSortTypeChange();
    t.Select({0, 3});
    QTest::mousePress(viewport, Qt::RightButton, Qt::NoModifier, QPoint(5, row + row / 2));
    QCOMPARE(t.window->lstChoiceFile->selectionModel()->selectedRows().size(), 2);
    t.window->lstChoiceFileDragDrop(0, 3 * row);  // no dragging here
    QCOMPARE(t.Entries().front(), t.At("2"));
  }

  void openTakesTheFirstSelectedEntry() {
    TargetWindow t;
    Paths opened;
    t.window->SetShellOpener([&](const std::string& path) { opened.push_back(path); });
    for (const char* name : {"a", "b", "c"}) t.window->AppendTarget(t.At(name));
    t.window->lstChoiceFileDblClick();
    QVERIFY(opened.empty());
    t.Select({2, 1});
    QVERIFY(t.window->pmnCFStartProcess->isEnabled());
    t.window->pmnCFStartProcess->trigger();
    morvane::test::GiveFocus(t.window->lstChoiceFile);
    morvane::test::PressKey(Qt::Key_Return);
    QCOMPARE(opened, (Paths{t.At("b"), t.At("b")}));
  }
};

MORVANE_WINDOW_TEST(TargetsTest)
#include "untMain_targets_test.moc"
