#include "gui/handed_paths.h"

#include <QApplication>
#include <QMessageBox>

#include "core/text/visible_name.h"
#include "gui/foremost_window.h"
#include "gui/message_boxes.h"
#include "gui/qt_text.h"
#include "gui/single_instance.h"
#include "gui/untMain.h"

namespace morvane::gui {
namespace {

// Enough to recognise a selection; the rest is counted.
constexpr std::size_t kNamedPaths = 20;

void ShowPathsNotTaken(TfrmMain& window, const std::vector<std::string>& paths) {
  QString text = QStringLiteral(
      "処理中かダイアログを開いているため、次のファイル・フォルダはリストに追加していません：");
  for (std::size_t i = 0; i < paths.size() && i < kNamedPaths; ++i) {
    text += QLatin1Char('\n') + ToQString(core::VisibleName(paths[i]));
  }
  if (paths.size() > kNamedPaths) {
    text += QStringLiteral("\nほか %1 件").arg(paths.size() - kNamedPaths);
  }
  // Not modal: a run in progress goes on, and an open dialog keeps its answer. Over a
  // modal dialog it belongs to that dialog, or the dialog would block its OK button.
  QWidget* modal = QApplication::activeModalWidget();
  auto* notice = new QMessageBox(QMessageBox::Warning, MessageBoxes::Title(MessageKind::Warning), text,
                                 QMessageBox::NoButton, modal ? modal : &window);
  notice->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
  notice->setObjectName(QString::fromLatin1(kPathsNotTakenNotice));
  notice->setAttribute(Qt::WA_DeleteOnClose);
  notice->setWindowModality(Qt::NonModal);
  notice->show();
  notice->raise();
}

}  // namespace

bool TakesHandedPaths(const TfrmMain& window) {
  return !window.RunGoing() && QApplication::activeModalWidget() == nullptr;
}

void TakeHandedPaths(TfrmMain& window, const std::vector<std::string>& paths) {
  const bool takes = paths.empty() || TakesHandedPaths(window);
  if (takes) window.TargetListOf().AddCommandLine(paths);
  BringForemostWindowToFront();
  if (!takes) ShowPathsNotTaken(window, paths);
}

void ServeLaterStarts(SingleInstance& instance, TfrmMain& window) {
  instance.Listen([&window](const std::vector<std::string>& paths) { TakeHandedPaths(window, paths); });
}

}  // namespace morvane::gui
