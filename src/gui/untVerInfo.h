#pragma once

#include <QDialog>
#include <QString>
#include <functional>

#include "ui_untVerInfo.h"

namespace morvane::gui {

// The version dialog, made for one showing. A click on the icon opens the project's
// home page; a build without a home page address leaves the icon without action.
class TfrmVersionInfo : public QDialog, public Ui_TfrmVersionInfo {
  Q_OBJECT

 public:
  // homePage: the address the icon opens (empty: none).
  explicit TfrmVersionInfo(QString homePage, QWidget* parent = nullptr);

  // Test seam: what opens the address (by default the desktop's browser).
  void SetUrlOpener(std::function<void(const QString&)> opener) { m_openUrl = std::move(opener); }

 public slots:
  void btnVersionCloseClick();
  void imgIconClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QString m_homePage;
  std::function<void(const QString&)> m_openUrl;
};

// The home page this build was configured with (empty when none).
QString ProjectHomePage();

}  // namespace morvane::gui
