// The folder dialog on its own, and the folder button that walks the subfolders.
#include "gui/untFolderSelect.h"

#include <QFileSystemModel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>

#include "target_fixture.h"
#include "window_test_main.h"

using morvane::gui::FolderRequest;
using morvane::gui::MessageAnswer;
using morvane::gui::TfrmFolderSelect;
using morvane::test::Paths;
using morvane::test::SettingValue;
using morvane::test::TargetWindow;

namespace {

// The dialog the folder button opens, driven by answer while it is shown.
void ChooseFolder(TargetWindow& t, const std::function<void(TfrmFolderSelect&)>& answer) {
  bool answered = false;
  QTimer::singleShot(0, t.window.get(), [&] {
    auto* dialog = t.window->findChild<TfrmFolderSelect*>();
    QVERIFY(dialog != nullptr);
    QTRY_VERIFY(dialog->isVisible());
    answer(*dialog);
    answered = true;
  });
  t.window->bitChoiceFolder->click();
  QVERIFY(answered);
}

void Choose(TfrmFolderSelect& dialog, const std::string& folder, bool withSubfolders) {
  dialog.cboFolderHistory->setEditText(QString::fromStdString(folder));
  dialog.cboFolderHistoryChange();
  dialog.chkGetSubFolder->setChecked(withSubfolders);
  dialog.btnOk->click();
}

}  // namespace

class FolderSelectTest : public QObject {
  Q_OBJECT

 private slots:
  void opensWithTheHistoryAndTheLastFolder() {
    TargetWindow t;
    t.Make({{"last/", 0}});
    t.home->WriteSettings("[History]\nFolder0=/h0\nFolder1=/h1\nFolder3=/h3\n[Default]\nFolder=" +
                          QByteArray::fromStdString(t.At("last")) + "\n");
    morvane::core::SettingsStore settings(t.home->Files().settingsFile, morvane::core::CodePage::Utf8(),
                                          morvane::test::RealFileSystem());
    FolderRequest offered{true, {}, {}};
    TfrmFolderSelect dialog(offered, settings, morvane::test::RealFileSystem());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("フォルダの選択"));
    QCOMPARE(morvane::test::Items(dialog.cboFolderHistory), (QStringList{"/h0", "/h1"}));
    QCOMPARE(dialog.cboFolderHistory->currentText().toStdString(), t.At("last"));
    QCOMPARE(dialog.SelectedTreePath().toStdString(), t.At("last"));
    QCOMPARE(dialog.cboFolderHistory->toolTip().toStdString(), t.At("last"));
    QVERIFY(dialog.btnOk->isEnabled() && dialog.btnOk->isDefault());
    QVERIFY(!dialog.chkGetSubFolder->isHidden() && !dialog.chkGetSubFolder->isChecked());

    // Typing follows the text; an empty text cannot be chosen.
    morvane::test::GiveFocus(dialog.cboFolderHistory);
    morvane::test::PressKey(Qt::Key_A, Qt::ControlModifier);
    morvane::test::PressKey(Qt::Key_Backspace);
    QCOMPARE(dialog.cboFolderHistory->currentText(), QString());
    QVERIFY(!dialog.btnOk->isEnabled());
    dialog.cboFolderHistory->activated(1);
    QCOMPARE(dialog.cboFolderHistory->currentText(), QStringLiteral("/h1"));
    QVERIFY(dialog.btnOk->isEnabled());

    // Without the offer (the output folder), no check box; the tree starts at "/".
    t.home->WriteSettings("");
    FolderRequest notOffered{false, {}, {}};
    TfrmFolderSelect plain(notOffered, settings, morvane::test::RealFileSystem());
    QVERIFY(plain.chkGetSubFolder->isHidden());
    QCOMPARE(plain.SelectedTreePath(), QStringLiteral("/"));
    QCOMPARE(plain.cboFolderHistory->currentText(), QStringLiteral("/"));
    Choose(plain, "/", false);  // no question without subfolders
    QCOMPARE(plain.result(), int(QDialog::Accepted));
    QCOMPARE(notOffered.chosenFolder, std::string("/"));
    QVERIFY(!notOffered.offerSubfolders);
  }

  void theTreeShowsTheFolderItOpensAtAndFollowsTyping() {
    TargetWindow t;
    // Enough folders that the one chosen lies far below the top of the tree.
    for (int i = 0; i < 60; ++i) t.Make({{"many/f" + std::to_string(100 + i) + "/", 0}});
    t.Make({{"many/zz/inner/", 0}, {"out/", 0}});
    t.home->WriteSettings("[Default]\nFolder=" + QByteArray::fromStdString(t.At("many/zz")) + "\n");
    morvane::core::SettingsStore settings(t.home->Files().settingsFile, morvane::core::CodePage::Utf8(),
                                          morvane::test::RealFileSystem());
    auto shown = [](TfrmFolderSelect& dialog, const std::string& folder) {
      const QModelIndex index = dialog.FolderModel()->index(QString::fromStdString(folder));
      return index.isValid() && dialog.FolderView->currentIndex() == index &&
             dialog.FolderView->viewport()->rect().contains(dialog.FolderView->visualRect(index));
    };

    // The last folder chosen, or the folder the caller starts at when it exists.
    const struct {
      std::string start;
      std::string opensAt;
    } cases[] = {{"", t.At("many/zz")}, {t.At("out"), t.At("out")}, {t.At("none"), t.At("many/zz")}};
    for (const auto& c : cases) {
      FolderRequest request{false, {}, c.start};
      TfrmFolderSelect dialog(request, settings, morvane::test::RealFileSystem());
      // The tree may have read the folders before it is shown, as here, or only after.
      const QModelIndex many = dialog.FolderModel()->index(QString::fromStdString(t.At("many")));
      dialog.FolderModel()->fetchMore(many);
      QTRY_COMPARE(dialog.FolderModel()->rowCount(many), 61);
      dialog.show();
      QTRY_VERIFY(shown(dialog, c.opensAt));
      QCOMPARE(dialog.cboFolderHistory->currentText().toStdString(), c.opensAt);
    }

    // A typed folder that exists moves the tree; the text stays as typed.
    FolderRequest request{false, {}, {}};
    TfrmFolderSelect dialog(request, settings, morvane::test::RealFileSystem());
    dialog.show();
    dialog.cboFolderHistory->setEditText(QString());
    morvane::test::Type(dialog.cboFolderHistory, QString::fromStdString(t.At("many/zz/inner/")));
    QTRY_VERIFY(shown(dialog, t.At("many/zz/inner")));
    QCOMPARE(dialog.cboFolderHistory->currentText().toStdString(), t.At("many/zz/inner/"));
    // Enter is the default button's.
    morvane::test::PressKey(Qt::Key_Return);
    QCOMPARE(request.chosenFolder, t.At("many/zz/inner/"));
  }

  void theOutputFolderButtonOpensAtTheOutputFolder() {
    TargetWindow t;
    t.Make({{"out/", 0}});
    t.window->cboOutputDir->setEditText(QString::fromStdString(" " + t.At("out") + " "));
    bool opened = false;
    QTimer::singleShot(0, t.window.get(), [&] {
      auto* dialog = t.window->findChild<TfrmFolderSelect*>();
      QVERIFY(dialog != nullptr);
      QTRY_COMPARE(dialog->SelectedTreePath().toStdString(), t.At("out"));
      dialog->btnCancel->click();
      opened = true;
    });
    t.window->bitOutputDir->click();
    QVERIFY(opened);
  }

  void okKeepsFifteenFoldersAndTheRootQuestionCanRefuse() {
    TargetWindow t;
    morvane::core::SettingsStore settings(t.home->Files().settingsFile, morvane::core::CodePage::Utf8(),
                                          morvane::test::RealFileSystem());
    for (int i = 0; i < 16; ++i) {
      FolderRequest request{true, {}, {}};
      TfrmFolderSelect dialog(request, settings, morvane::test::RealFileSystem());
      Choose(dialog, "/f" + std::to_string(i) + " ", false);
      QCOMPARE(request.chosenFolder, "/f" + std::to_string(i) + " ");  // as it stands, not trimmed
      QVERIFY(!request.offerSubfolders);
    }
    QCOMPARE(SettingValue(*t.home, "History", "Folder0"), QByteArray("/f15 "));
    QCOMPARE(SettingValue(*t.home, "History", "Folder14"), QByteArray("/f1 "));
    QCOMPARE(SettingValue(*t.home, "Default", "Folder"), QByteArray("/f15 "));

    FolderRequest request{true, {}, {}};
    TfrmFolderSelect dialog(request, settings, morvane::test::RealFileSystem());
    QCOMPARE(dialog.cboFolderHistory->count(), 15);
    dialog.show();
    dialog.Messages().AnswerNext(MessageAnswer::No);
    Choose(dialog, "/", true);
    QCOMPARE(dialog.Messages().Shown().size(), std::size_t{1});
    QVERIFY(dialog.Messages().Shown()[0].text.startsWith(QStringLiteral("ルートフォルダを選択しました。")));
    QVERIFY(dialog.isVisible());
    QVERIFY(request.chosenFolder.empty());
    QCOMPARE(SettingValue(*t.home, "History", "Folder0"), QByteArray("/"));  // written all the same

    dialog.Messages().AnswerNext(MessageAnswer::Yes);
    Choose(dialog, "/", true);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(request.chosenFolder, std::string("/"));
    QVERIFY(request.offerSubfolders);
  }

  void cancelAndCloseChooseNothing() {
    TargetWindow t;
    morvane::core::SettingsStore settings(t.home->Files().settingsFile, morvane::core::CodePage::Utf8(),
                                          morvane::test::RealFileSystem());
    for (const bool viaCloseBox : {false, true}) {
      FolderRequest request{true, {}, {}};
      TfrmFolderSelect dialog(request, settings, morvane::test::RealFileSystem());
      dialog.show();
      dialog.chkGetSubFolder->setChecked(true);
      viaCloseBox ? (void)dialog.close() : dialog.btnCancel->click();
      QVERIFY(request.chosenFolder.empty());
      QVERIFY(!request.offerSubfolders);
    }
    ChooseFolder(t, [](TfrmFolderSelect& dialog) { dialog.btnCancel->click(); });
    QVERIFY(t.Entries().empty());
    QVERIFY(!t.window->btnStart->isEnabled());
  }

  void folderButtonAddsTheFolderAndWalksItsSubfolders() {
    TargetWindow t;
    const std::string latin1 = "caf\xE9";
    t.Make({{"root/a/x/", 0}, {"root/.b/", 0}, {"root/file", 1}, {"root/" + latin1 + "/", 0}, {"other/", 0}});
    ChooseFolder(t, [&](TfrmFolderSelect& dialog) {
      QVERIFY(!dialog.chkGetSubFolder->isHidden());
      Choose(dialog, t.At("root"), true);
    });
    Paths entries = t.Entries();
    QCOMPARE(entries.size(), std::size_t{5});
    QCOMPARE(entries.front(), t.At("root"));
    // Depth first: a folder just before its own subfolders.
    const auto a = std::find(entries.begin(), entries.end(), t.At("root/a"));
    QVERIFY(a != entries.end() && a + 1 != entries.end() && *(a + 1) == t.At("root/a/x"));
    QVERIFY(std::count(entries.begin(), entries.end(), t.At("root/.b")) == 1);
    QVERIFY(std::count(entries.begin(), entries.end(), t.At("root/" + latin1)) == 1);
    QCOMPARE(t.window->cboChoiceFile->itemText(0).toStdString(), t.At("root"));
    QVERIFY(t.window->btnStart->isEnabled() && t.window->btnListClear->isEnabled());
    QCOMPARE(t.window->windowTitle(), QStringLiteral("Morvane"));

    // Without subfolders only the folder; choosing again moves it, and its walked
    // subfolders, to the end.
    ChooseFolder(t, [&](TfrmFolderSelect& dialog) { Choose(dialog, t.At("other"), false); });
    QCOMPARE(t.Entries().size(), std::size_t{6});
    ChooseFolder(t, [&](TfrmFolderSelect& dialog) { Choose(dialog, t.At("root"), true); });
    entries = t.Entries();
    QCOMPARE(entries.size(), std::size_t{6});
    QCOMPARE(entries.front(), t.At("other"));
    QCOMPARE(entries[1], t.At("root"));

    // A folder that does not exist is taken as it is.
    ChooseFolder(t, [&](TfrmFolderSelect& dialog) { Choose(dialog, t.At("none"), true); });
    QCOMPARE(t.Entries().back(), t.At("none"));
  }
};

MORVANE_WINDOW_TEST(FolderSelectTest)
#include "untFolderSelect_test.moc"
