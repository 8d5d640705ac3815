// The window works through the one file system it is given: a run whose result files
// that file system refuses stops before its first file, with the window's I/O error
// message, and leaves every file as it was; so does a run whose undo journal cannot be
// made, with a message that says so.
#include <QTest>
#include <filesystem>
#include <memory>

#include "core/fs/forwarding_file_system.h"
#include "gui/untConfirmation.h"
#include "gui/untPEndMessage.h"
#include "window_fixture.h"
#include "window_test_main.h"

using morvane::gui::MessageAnswer;
using morvane::gui::MessageKind;
namespace core = morvane::core;

namespace {

// Refuses to open, or to write, one file; everything else reaches the real file system.
class FailingFileSystem : public core::ForwardingFileSystem {
 public:
  using ForwardingFileSystem::ForwardingFileSystem;
  std::string failingPath;
  int openError = 0;
  int writeError = 0;

  core::OpenedFile OpenForWriting(std::string_view path, core::WriteStart start) override {
    if (path != failingPath) return ForwardingFileSystem::OpenForWriting(path, start);
    if (openError != 0) return {nullptr, openError};
    return {std::make_unique<FullFile>(writeError), 0};
  }

 private:
  class FullFile : public core::OutputFile {
   public:
    explicit FullFile(int error) : m_error(error) {}
    int Write(std::string_view) override { return m_error; }
    int Flush() override { return 0; }
    int Close() override { return 0; }

   private:
    int m_error;
  };
};

}  // namespace

class MainFileFailureTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { core::SetActiveCodePage(core::CodePage::Utf8()); }

  void aResultFileThatCannotBeWrittenStopsTheRun_data() {
    QTest::addColumn<bool>("resultLog");   // the result log option
    QTest::addColumn<bool>("failTheLog");  // else the result file fails
    QTest::addColumn<int>("openError");
    QTest::addColumn<int>("writeError");
    QTest::newRow("result file not opened") << false << false << EACCES << 0;
    QTest::newRow("result file full") << false << false << 0 << ENOSPC;
    QTest::newRow("result log not opened") << true << true << EROFS << 0;
    QTest::newRow("result log full") << true << true << 0 << EIO;
    // No undo journal can be made: Undo/ is a file. Said before the first file.
    QTest::newRow("undo journal not made") << false << false << 0 << 0;
  }
  void aResultFileThatCannotBeWrittenStopsTheRun() {
    QFETCH(bool, resultLog);
    QFETCH(bool, failTheLog);
    QFETCH(int, openError);
    QFETCH(int, writeError);
    morvane::test::WindowHome home;
    if (resultLog) home.WriteSettings("[Setting]\nOutputLog=1\n");
    const std::string resultFile = home.Files().resultFile;
    morvane::test::WindowHome::WriteFile(QString::fromStdString(resultFile), "the last run\r\n");
    const std::string folder = home.Path(QStringLiteral("in")).toStdString();
    std::filesystem::create_directory(folder);
    morvane::test::WindowHome::WriteFile(QString::fromStdString(folder + "/a.txt"), "a");

    FailingFileSystem fileSystem(morvane::test::RealFileSystem());
    const bool failTheJournal = openError == 0 && writeError == 0;
    const std::string undoFolder = home.Path(QStringLiteral("Undo")).toStdString();
    if (failTheJournal) morvane::test::WindowHome::WriteFile(QString::fromStdString(undoFolder), "a file");
    fileSystem.failingPath = failTheJournal ? std::string() : failTheLog ? home.Files().logFile : resultFile;
    fileSystem.openError = openError;
    fileSystem.writeError = writeError;
    morvane::gui::TfrmMain window(home.Files(), fileSystem);
    window.show();
    window.StoreDroppedPaths({folder + "/a.txt"});
    window.chkDelFile->click();  // in place
    window.cboStartSeqNbr->setEditText(QStringLiteral("1"));
    window.frmConfirmation->AnswerNext(true);
    window.Messages().AnswerNext(MessageAnswer::Ok);
    window.btnStart->click();

    QCOMPARE(window.Messages().Shown().size(), std::size_t{1});
    QCOMPARE(window.Messages().Shown()[0].kind, MessageKind::Error);
    const QString shown = window.Messages().Shown()[0].text;
    if (failTheJournal) {
      QVERIFY2(shown.contains(QStringLiteral("元に戻すための記録を書き込めないため、実行しません。")),
               qPrintable(shown));
      QVERIFY2(shown.contains(QString::fromStdString(undoFolder)), qPrintable(shown));
    } else {
      QCOMPARE(shown, QStringLiteral("I/O ｴﾗｰ (%1)").arg(openError + writeError));
    }
    QVERIFY(window.frmPEndMessage->ShownTexts().empty());
    QVERIFY(std::filesystem::exists(folder + "/a.txt"));
    QVERIFY(!std::filesystem::exists(folder + "/1.txt"));
    QCOMPARE(morvane::test::WindowHome::ReadFile(QString::fromStdString(resultFile)),
             QByteArray("the last run\r\n"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Morvane"));
    QCOMPARE(window.Targets().Paths(), std::vector<std::string>{folder + "/a.txt"});
  }
};

MORVANE_WINDOW_TEST(MainFileFailureTest)
#include "untMain_file_failure_test.moc"
