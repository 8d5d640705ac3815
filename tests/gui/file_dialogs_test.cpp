// The file button's dialog as a person sees it: which files it lists for each filter,
// and Qt's own texts in Japanese.
#include "gui/file_dialogs.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>

#include "gui/qt_translations.h"
#include "window_test_main.h"

using morvane::gui::NewChooseFilesDialog;

namespace {

// The names the dialog lists in its folder, sorted.
QStringList ListedNames(QFileDialog& dialog) {
  auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
  if (!view) return {QStringLiteral("(no list)")};
  const QAbstractItemModel* model = view->model();
  QStringList names;
  for (int row = 0; row < model->rowCount(view->rootIndex()); ++row)
    names << model->index(row, 0, view->rootIndex()).data().toString();
  names.sort();
  return names;
}

}  // namespace

class FileDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void everyFilterListsTheFilesItAdmits() {
    QTemporaryDir folder;
    for (const char* name : {"README", "a.txt", "B.BMP", "c.jpg", "d.jpeg"}) {
      QFile file(folder.filePath(QString::fromLatin1(name)));
      QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const struct {
      QString filter;
      QStringList listed;
    } cases[] = {
        // All files are all files, with an extension or without.
        {QStringLiteral("すべてのファイル (*.*)|*.*"), {"B.BMP", "README", "a.txt", "c.jpg", "d.jpeg"}},
        // The words of the file types field, in either case, and whole.
        {QStringLiteral("ユーザー設定 (*.bmp;*.jpg)|*.bmp;*.jpg"), {"B.BMP", "c.jpg"}},
    };
    for (const auto& c : cases) {
      const auto dialog = NewChooseFilesDialog(nullptr, folder.path().toStdString(), c.filter);
      dialog->show();
      QTRY_COMPARE(ListedNames(*dialog), c.listed);
      QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFiles);
    }
  }

  void qtsOwnTextsAreJapanese() {
    QVERIFY2(morvane::gui::InstallQtTranslations(*qApp), "Qt's Japanese translations are not installed");
    const auto dialog = NewChooseFilesDialog(nullptr, QDir::tempPath().toStdString(),
                                             QStringLiteral("すべてのファイル (*.*)|*.*"));
    auto* lookIn = dialog->findChild<QLabel*>(QStringLiteral("lookInLabel"));
    QVERIFY(lookIn != nullptr);
    QVERIFY2(lookIn->text() != QStringLiteral("Look in:"), qPrintable(lookIn->text()));
    // The fields' context menus.
    QVERIFY(QCoreApplication::translate("QLineEdit", "&Paste") != QStringLiteral("&Paste"));
  }
};

MORVANE_WINDOW_TEST(FileDialogsTest)
#include "file_dialogs_test.moc"
