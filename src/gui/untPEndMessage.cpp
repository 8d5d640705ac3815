#include "gui/untPEndMessage.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>

#include "core/settings/settings_keys.h"
#include "core/text/trim.h"
#include "gui/interface_font.h"
#include "gui/qt_text.h"

namespace morvane::gui {
namespace {
constexpr int kButtonGap = 8;
}  // namespace

TfrmPEndMessage::TfrmPEndMessage(core::SettingsStore& settings, const core::ProgramFiles& files,
                                 const core::FileSystem& fileSystem, core::TextViewerLauncher& launcher,
                                 QWidget* parent)
    : QDialog(parent),
      m_settings(settings),
      m_files(files),
      m_fileSystem(fileSystem),
      m_launcher(launcher),
      m_messages(this) {
  setFont(UiFont());
  setupUi(this);
  setFixedSize(size());
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  imgIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(imgIcon->size()));
  btnLogOpen->hide();  // until the window is activated and knows the option
  connect(btnOk, &QPushButton::clicked, this, &TfrmPEndMessage::btnOkClick);
  connect(btnLogOpen, &QPushButton::clicked, this, &TfrmPEndMessage::btnLogOpenClick);
}

bool TfrmPEndMessage::ResultTextOn() const {
  // Read as text: any value but "0" counts as on, as a hand-edited "yes" would.
  return m_settings.Load().ReadString(core::keys::kSectionSetting, core::keys::kSettingResultText.name,
                                      "0") != "0";
}

void TfrmPEndMessage::ShowEndMessage(const std::string& text) {
  if (core::IsBlank(text) || ResultTextOn()) return;
  QString shown = ToQString(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  lblInformation->setText(shown);
  m_shownTexts.push_back(text);
  if (m_pendingAnswers > 0) {
    --m_pendingAnswers;
    return;
  }
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  exec();
}

void TfrmPEndMessage::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormActivate();
}

void TfrmPEndMessage::FormActivate() {
  const int middle = width() / 2;
  if (ResultTextOn()) {
    btnLogOpen->hide();
    btnOk->move(middle - btnOk->width() / 2, btnOk->y());
  } else {
    btnOk->move(middle - kButtonGap / 2 - btnOk->width(), btnOk->y());
    btnLogOpen->move(middle + kButtonGap / 2, btnOk->y());
    btnLogOpen->show();
  }
  btnOk->setFocus();
}

void TfrmPEndMessage::btnOkClick() { accept(); }

void TfrmPEndMessage::btnLogOpenClick() {
  if (m_fileSystem.FileExists(m_files.resultFile)) {
    const std::string viewer = m_settings.Read(core::keys::kSettingTextViewer);
    core::OpenInTextViewer(viewer, m_files.resultFile, m_launcher);
  } else {
    m_messages.Show(MessageKind::Information, QStringLiteral("\r\n結果ファイルが存在しません。"));
  }
  accept();
}

}  // namespace morvane::gui
