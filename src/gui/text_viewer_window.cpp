#include "gui/text_viewer_window.h"

#include <QPlainTextEdit>
#include <QShortcut>
#include <QVBoxLayout>

#include "core/names/path_rules.h"
#include "core/text/code_page.h"
#include "gui/interface_font.h"
#include "gui/program_icon.h"
#include "gui/qt_text.h"
#include "platform/process_launch.h"

namespace morvane::gui {
namespace {

QString DisplayText(std::string_view bytes) {
  QString text = QString::fromStdU16String(core::ActiveCodePage().ToUtf16(bytes));
  // The logs end their lines with CR LF; a bare CR breaks the line as well.
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

}  // namespace

TextViewerWindow::TextViewerWindow(std::string_view path, const core::FileReadResult& file, QWidget* parent)
    : QWidget(parent, Qt::Window) {
  setFont(UiFont());
  setWindowTitle(ToQString(core::ExtractFileName(path)));
  setWindowIcon(ProgramIcon());
  resize(640, 480);

  txtViewer = new QPlainTextEdit(this);
  txtViewer->setObjectName(QStringLiteral("txtViewer"));
  txtViewer->setReadOnly(true);
  txtViewer->setLineWrapMode(QPlainTextEdit::NoWrap);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(txtViewer);

  if (file.status == core::FileReadStatus::Read) {
    txtViewer->setPlainText(DisplayText(file.bytes));
  } else {
    txtViewer->setPlaceholderText(QStringLiteral("ファイルを読み込めませんでした。"));
  }

  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape->setContext(Qt::WindowShortcut);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void QtTextViewerLauncher::StartProgram(const std::vector<std::string>& words) {
  // Not QProcess: it takes its arguments as Qt text and encodes them as UTF-8, which
  // would change a path in another code page (or one with bytes that are no valid UTF-8)
  // into a file that does not exist. Whether the viewer starts is not checked.
  platform::StartDetached(words);
}

void QtTextViewerLauncher::ShowBuiltInViewer(std::string_view path) {
  auto* viewer = new TextViewerWindow(path, m_fileSystem.ReadWholeFile(path), m_owner);
  viewer->setAttribute(Qt::WA_DeleteOnClose);
  viewer->show();
  viewer->raise();
  viewer->activateWindow();
}

}  // namespace morvane::gui
