// The window's Start button and morvane-batch check a start alike: for the same fields
// and answers, they show the same refusals and ask the same questions, in the same
// order. (The last go-ahead, the window's OK/Cancel or its confirmation of the
// numbering's settings, is the command itself on the command line.)
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <filesystem>
#include <functional>
#include <sstream>

#include "cli/batch_app.h"
#include "gui/untConfirmation.h"
#include "platform/posix_file_system.h"
#include "window_fixture.h"
#include "window_test_main.h"

using morvane::core::OperatingMode;
using morvane::gui::MessageAnswer;
using morvane::gui::MessageButtons;
using morvane::gui::TfrmMain;

namespace {

// One start: the window's fields set by setUp, the same as options for the command.
struct StartCase {
  const char* name;
  OperatingMode mode;
  std::function<void(TfrmMain&, const QString& folder)> setUp;
  // The subcommand and its options; "{in}" and "{out}" stand for the folders.
  std::vector<std::string> arguments;
  // The answers to the Yes/No questions, in order.
  std::vector<bool> answers;
  // The first message of all; the parity check compares the rest.
  QString first;
};

std::string Expand(std::string text, const std::string& folder) {
  for (const std::string mark : {"{in}", "{out}"}) {
    const std::string path = folder + (mark == "{in}" ? "/in" : "/out");
    for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark)) {
      text.replace(at, mark.size(), path);
    }
  }
  return text;
}

// A message as the command line prints it: without a leading line break, lines ended by
// LF alone.
std::string AsPrinted(const QString& text) {
  std::string bytes = text.toStdString();
  if (bytes.starts_with("\r\n")) bytes.erase(0, 2);
  for (std::size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at)) {
    bytes.replace(at, 2, "\n");
  }
  return bytes;
}

void Copying(TfrmMain& window) {
  if (window.chkDelFile->isChecked()) window.chkDelFile->click();
}
void InPlace(TfrmMain& window) {
  if (!window.chkDelFile->isChecked()) window.chkDelFile->click();
}

}  // namespace

class StartParityTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { morvane::core::SetActiveCodePage(morvane::core::CodePage::Utf8()); }

  void bothFrontEndsRefuseAndAskAlike() {
    const StartCase cases[] = {
        {"no start number",
         OperatingMode::SequentialRename,
         [](TfrmMain& w, const QString&) {
           InPlace(w);
           w.cboStartSeqNbr->setEditText(QString());
         },
         {"rename", "--in-place", "--start", "", "{in}/a.txt"},
         {},
         QStringLiteral("\r\n開始番号が指定されていません。")},
        {"empty new extension declined",
         OperatingMode::SequentialRename,
         [](TfrmMain& w, const QString&) {
           InPlace(w);
           w.chkChgExt->click();
           w.cboChgExt->setEditText(QStringLiteral("  "));
         },
         {"rename", "--in-place", "--new-ext", "  ", "{in}/a.txt"},
         {false},
         QStringLiteral("拡張子が入力されていません。\r\n選択ファイルをすべて 拡張子なし にしますか？")},
        {"a folder in user order",
         OperatingMode::SequentialRename,
         [](TfrmMain& w, const QString&) {
           InPlace(w);
           w.chkChgExt->click();
           w.cboChgExt->setEditText(QString());
           w.cboSortType->setCurrentIndex(4);
         },
         {"rename", "--in-place", "--new-ext", "", "--order", "user", "{in}/a.txt", "{in}"},
         {true},
         QStringLiteral("拡張子が入力されていません。\r\n選択ファイルをすべて 拡張子なし にしますか？")},
        {"an increment that is no number",
         OperatingMode::SequentialRename,
         [](TfrmMain& w, const QString&) {
           InPlace(w);
           w.edtZoubun->setText(QString());
         },
         {"rename", "--in-place", "--increment", "", "{in}/a.txt"},
         {},
         QStringLiteral("'' は整数ではありません")},
        {"an output folder that is no full path",
         OperatingMode::SequentialRename,
         [](TfrmMain& w, const QString&) {
           Copying(w);
           w.cboOutputDir->setEditText(QStringLiteral("relative"));
           w.cboStartSeqNbr->setEditText(QString());
         },
         {"rename", "--output", "relative", "--start", "", "{in}/a.txt"},
         {},
         QStringLiteral("\r\n出力先フォルダはフルパスで指定してください。")},
        {"a missing output folder not created",
         OperatingMode::StringAddition,
         [](TfrmMain& w, const QString& folder) {
           Copying(w);
           w.cboOutputDir->setEditText(folder + QStringLiteral("/out/../new"));
         },
         {"add", "--output", "{out}/../new", "--prefix", "", "{in}/a.txt"},
         {false},
         QString()},
        {"an empty output folder",
         OperatingMode::ExtensionChange,
         [](TfrmMain& w, const QString&) {
           Copying(w);
           w.cboOutputDir->setEditText(QString());
         },
         {"ext", "--output", "", "--new-ext", "md", "{in}/a.txt"},
         {},
         QStringLiteral("\r\n出力先フォルダが指定されていません。")},
        {"an empty extension declined",
         OperatingMode::ExtensionChange,
         [](TfrmMain& w, const QString&) {
           InPlace(w);
           w.cboChgExt->setEditText(QStringLiteral(" "));
         },
         {"ext", "--in-place", "--new-ext", " ", "{in}/a.txt"},
         {false},
         QStringLiteral("拡張子が入力されていません。\r\n選択ファイルをすべて 拡張子なし にしますか？")},
        {"no case to convert",
         OperatingMode::CaseConversion,
         [](TfrmMain&, const QString&) {},
         {"case", "--in-place", "{in}/a.txt"},
         {},
         QStringLiteral("\r\n共通部分の大小と拡張子の大小がどちらも無変換です。")},
        {"no text A",
         OperatingMode::StringReplacement,
         [](TfrmMain& w, const QString&) {
           InPlace(w);
           w.cboChgStr->setEditText(QString());
         },
         {"replace", "--in-place", "--find", "", "{in}/a.txt"},
         {},
         QStringLiteral("\r\n文字列 A が指定されていません。")},
        {"an empty B, then an empty extension",
         OperatingMode::StringReplacement,
         [](TfrmMain& w, const QString&) {
           InPlace(w);
           w.cboChgStr->setEditText(QStringLiteral("a"));
           w.cboChgStr2->setEditText(QString());
           w.chkChgExt->click();
           w.cboChgExt->setEditText(QString());
         },
         {"replace", "--in-place", "--find", "a", "--new-ext", "", "{in}/a.txt"},
         {true, false},
         QStringLiteral("文字列 B が空欄の場合、ファイル名中の文字列 A を削除します。\r\nよろしいですか？")},
        {"nothing to add",
         OperatingMode::StringAddition,
         [](TfrmMain& w, const QString&) {
           InPlace(w);
           w.cboAddStr->setEditText(QString());
           w.cboAddStr2->setEditText(QString());
         },
         {"add", "--in-place", "{in}/a.txt"},
         {},
         QStringLiteral("\r\n追加文字列が指定されていません。")},
        {"nothing to convert",
         OperatingMode::CharacterConversion,
         [](TfrmMain& w, const QString&) { InPlace(w); },
         {"convert", "--in-place", "--ext-too", "{in}/a.txt"},
         {},
         QStringLiteral("\r\n変換する文字種が指定されていません。")},
    };
    for (const StartCase& c : cases) CheckParity(c);
  }

 private:
  static void CheckParity(const StartCase& c) {
    morvane::test::WindowFixture fixture;
    fixture.Make({{"in/a.txt", 1}, {"out/", 0}});
    const std::string& data = fixture.data;
    const QString folder = QString::fromStdString(data);

    // The window: the list as the command's paths, the fields, the answers queued, and
    // every go-ahead declined so that nothing runs.
    TfrmMain* window = fixture.Open();
    window->SelectMode(c.mode);
    std::vector<std::string> paths;
    for (std::size_t i = 1; i < c.arguments.size(); ++i) {
      if (c.arguments[i].starts_with("{in}")) paths.push_back(Expand(c.arguments[i], data));
    }
    window->StoreDroppedPaths(paths);
    window->cboStartSeqNbr->setEditText(QStringLiteral("1"));  // the command's default
    c.setUp(*window, folder);
    window->Messages().ClearShown();
    for (const bool yes : c.answers)
      window->Messages().AnswerNext(yes ? MessageAnswer::Yes : MessageAnswer::No);
    window->Messages().AnswerNext(MessageAnswer::Cancel);
    window->frmConfirmation->AnswerNext(false);
    window->btnStartClick();
    QStringList shown;
    for (const auto& message : window->Messages().Shown()) {
      if (message.buttons != MessageButtons::OkCancel) shown << message.text;
    }
    QVERIFY2(!shown.isEmpty(), c.name);
    if (!c.first.isEmpty()) QCOMPARE(shown.front(), c.first);

    // The command line, answering on a terminal.
    std::vector<std::string> arguments{"morvane-batch"};
    for (const std::string& argument : c.arguments) arguments.push_back(Expand(argument, data));
    std::string input;
    for (const bool yes : c.answers) input += yes ? "y\n" : "n\n";
    std::ostringstream out;
    std::ostringstream err;
    std::istringstream in(input);
    morvane::platform::PosixFileSystem fileSystem;
    const int status = morvane::cli::RunBatch(arguments, {out, err, in, true}, fileSystem);
    QVERIFY2(status == 2, c.name);

    // The same texts, in the same order.
    const std::string printed = err.str();
    std::size_t from = 0;
    for (const QString& text : shown) {
      const std::size_t at = printed.find(AsPrinted(text), from);
      QVERIFY2(at != std::string::npos, qPrintable(QString::fromUtf8(c.name) + QStringLiteral(": ") + text +
                                                   QStringLiteral("\nnot after in:\n") +
                                                   QString::fromStdString(printed.substr(from))));
      from = at + AsPrinted(text).size();
    }
    QVERIFY2(!std::filesystem::exists(data + "/new"), c.name);
  }
};

MORVANE_WINDOW_TEST(StartParityTest)
#include "start_parity_test.moc"
