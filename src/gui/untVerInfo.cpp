#include "gui/untVerInfo.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

#include "gui/program_icon.h"

namespace morvane::gui {

QString ProjectHomePage() { return QStringLiteral(MORVANE_HOME_PAGE); }

TfrmVersionInfo::TfrmVersionInfo(QString homePage, QWidget* parent)
    : QDialog(parent), m_homePage(std::move(homePage)) {
  setupUi(this);
  setFixedSize(size());
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  const QIcon icon = ProgramIcon();
  setWindowIcon(icon);
  imgIcon->setPixmap(icon.pixmap(imgIcon->size()));
  imgIcon->installEventFilter(this);
  m_openUrl = [](const QString& address) { QDesktopServices::openUrl(QUrl(address)); };
  connect(btnVersionClose, &QPushButton::clicked, this, &TfrmVersionInfo::btnVersionCloseClick);
}

void TfrmVersionInfo::btnVersionCloseClick() { accept(); }

void TfrmVersionInfo::imgIconClick() {
  // The dialog stays open; whether the browser started is not checked.
  if (!m_homePage.isEmpty()) m_openUrl(m_homePage);
}

bool TfrmVersionInfo::eventFilter(QObject* watched, QEvent* event) {
  if (watched == imgIcon && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    imgIconClick();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace morvane::gui
