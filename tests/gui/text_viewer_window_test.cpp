// The built-in viewer decodes the file in the active code page and cannot change it; the
// launcher starts programs with their arguments byte for byte.
#include "gui/text_viewer_window.h"

#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "core/text/code_page.h"
#include "window_fixture.h"
#include "window_test_main.h"

using morvane::core::CodePage;
using morvane::gui::QtTextViewerLauncher;
using morvane::gui::TextViewerWindow;

namespace {

std::string WriteFile(const QTemporaryDir& dir, const std::string& name, const std::string& bytes) {
  const std::string path = dir.path().toStdString() + "/" + name;
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

}  // namespace

class TextViewerWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { morvane::core::SetActiveCodePage(CodePage::Utf8()); }

  void showsTheFileDecodedInTheActiveCodePageReadOnly() {
    struct Case {
      const CodePage* codePage;
      std::string name, bytes;
      QString caption, text;
    };
    const Case cases[] = {
        // 表ソ: trail bytes that are a backslash; リネーム: the log's own words.
        {&CodePage::Cp932(), "\x95\x5C.txt", "\x95\x5C\x83\x5C\r\n\x83\x8A\x83\x6C\x81\x5B\x83\x80\r\n",
         QStringLiteral("表.txt"), QStringLiteral("表ソ\nリネーム\n")},
        {&CodePage::Utf8(), "Result.dat", "リネーム：/in/a.txt\r\n       -> 01.txt\r\n\r\nend\r",
         QStringLiteral("Result.dat"), QStringLiteral("リネーム：/in/a.txt\n       -> 01.txt\n\nend\n")},
    };
    for (const Case& c : cases) {
      morvane::core::SetActiveCodePage(*c.codePage);
      QTemporaryDir dir;
      const std::string path = WriteFile(dir, c.name, c.bytes);
      TextViewerWindow viewer(path, morvane::test::RealFileSystem().ReadWholeFile(path));
      QCOMPARE(viewer.windowTitle(), c.caption);
      QCOMPARE(viewer.txtViewer->toPlainText(), c.text);
      QCOMPARE(viewer.txtViewer->objectName(), QStringLiteral("txtViewer"));
      QVERIFY(viewer.txtViewer->isReadOnly());
      viewer.show();
      viewer.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&viewer));
      morvane::test::GiveFocus(viewer.txtViewer);
      morvane::test::TypeKeys(QStringLiteral("xyz"));
      morvane::test::PressKey(Qt::Key_Delete);
      QCOMPARE(viewer.txtViewer->toPlainText(), c.text);
      QCOMPARE(ReadFile(dir.path().toStdString() + "/" + c.name), c.bytes);
      morvane::test::PressKey(Qt::Key_Escape);
      QVERIFY(!viewer.isVisible());
      // QTemporaryDir cannot remove a name that is no valid UTF-8.
      std::remove((dir.path().toStdString() + "/" + c.name).c_str());
    }
  }

  void aFileThatCannotBeReadShowsAnEmptyPageWithANote() {
    const std::string path = "/nonexistent/Rename.log";
    TextViewerWindow viewer(path, morvane::test::RealFileSystem().ReadWholeFile(path));
    QCOMPARE(viewer.windowTitle(), QStringLiteral("Rename.log"));
    QVERIFY(viewer.txtViewer->toPlainText().isEmpty());
    QVERIFY(!viewer.txtViewer->placeholderText().isEmpty());
  }

  // One window per call, owned by the launcher's window and gone once closed.
  void theBuiltInViewerBelongsToTheOwnerAndDeletesItselfOnClose() {
    QTemporaryDir dir;
    const std::string path = WriteFile(dir, "Result.dat", "a\r\n");
    QWidget owner;
    QtTextViewerLauncher launcher(&owner, morvane::test::RealFileSystem());
    launcher.ShowBuiltInViewer(path);
    launcher.ShowBuiltInViewer(path);
    const QList<TextViewerWindow*> viewers = owner.findChildren<TextViewerWindow*>();
    QCOMPARE(viewers.size(), 2);
    QVERIFY(viewers.front()->isVisible());
    QVERIFY(viewers.front()->isWindow());
    QPointer<TextViewerWindow> first = viewers.front();
    first->close();
    QTRY_VERIFY(first.isNull());
    QCOMPARE(owner.findChildren<TextViewerWindow*>().size(), 1);
  }

  // A path in another code page (no valid UTF-8) reaches the program unchanged.
  void aStartedProgramReceivesItsArgumentsByteForByte() {
    QTemporaryDir dir;
    const std::string output = dir.path().toStdString() + "/args";
    const std::string path = dir.path().toStdString() + "/\x95\x5C \"x\" $HOME.txt";
    QtTextViewerLauncher launcher(nullptr, morvane::test::RealFileSystem());
    launcher.StartProgram(
        {"sh", "-c", "printf %s \"$1\" > \"$2.tmp\" && mv \"$2.tmp\" \"$2\"", "sh", path, output});
    QTRY_VERIFY(QFile::exists(QString::fromStdString(output)));
    QCOMPARE(ReadFile(output), path);
    launcher.StartProgram({"/nonexistent/viewer", path});  // not started, and nothing else happens
  }

  // The program ignores SIGXFSZ for its own writes; a viewer it starts does not.
  void aStartedProgramGetsTheUsualSignalActions() {
    const sighandler_t before = std::signal(SIGXFSZ, SIG_IGN);
    QTemporaryDir dir;
    const std::string output = dir.path().toStdString() + "/ignored";
    QtTextViewerLauncher launcher(nullptr, morvane::test::RealFileSystem());
    launcher.StartProgram(
        {"sh", "-c", "grep SigIgn /proc/self/status > \"$1.tmp\" && mv \"$1.tmp\" \"$1\"", "sh", output});
    QTRY_VERIFY(QFile::exists(QString::fromStdString(output)));
    std::signal(SIGXFSZ, before);
    // SigIgn is a hexadecimal mask with bit (signal - 1) for each ignored signal.
    const QByteArray mask = QByteArray::fromStdString(ReadFile(output)).split('\t').last().trimmed();
    bool ok = false;
    const qulonglong ignored = mask.toULongLong(&ok, 16);
    QVERIFY2(ok, mask.constData());
    QVERIFY((ignored & (1ULL << (SIGXFSZ - 1))) == 0);
  }
};

MORVANE_WINDOW_TEST(TextViewerWindowTest)
#include "text_viewer_window_test.moc"
