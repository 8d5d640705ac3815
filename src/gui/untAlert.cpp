#include "gui/untAlert.h"

#include <QGuiApplication>
#include <QScreen>

#include "core/names/path_rules.h"
#include "core/text/visible_name.h"
#include "gui/elided_label.h"
#include "gui/interface_font.h"
#include "gui/qt_text.h"

namespace morvane::gui {

using core::OverwriteChoice;

TfrmAlert::TfrmAlert(const core::OverwriteQuestion& question, QWidget* parent) : QDialog(parent) {
  setFont(UiFont());
  setupUi(this);
  setFixedSize(size());
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());

  // Shown as the result lines write them, so that a name cannot break a label's line.
  SetElidedText(lblAfterFileName, ToQString(core::VisibleName(core::ExtractFileName(question.newPath))));
  SetElidedText(lblAfterPath, ToQString(core::VisibleName(core::FolderPart(question.newPath))));
  SetElidedText(lblBeforeFullPath, ToQString(core::VisibleName(question.sourcePath)));

  btnOverWrite->setEnabled(question.overwriteOffered);
  btnAllOverWrite->setEnabled(question.overwriteOffered);
  ArrangeForCaller(question.caller);

  connect(btnOverWrite, &QPushButton::clicked, this, &TfrmAlert::btnOverWriteClick);
  connect(btnAllOverWrite, &QPushButton::clicked, this, &TfrmAlert::btnAllOverWriteClick);
  connect(btnAuto, &QPushButton::clicked, this, &TfrmAlert::btnAutoClick);
  connect(btnCancel, &QPushButton::clicked, this, &TfrmAlert::btnCancelClick);
  connect(btnAbort, &QPushButton::clicked, this, &TfrmAlert::btnAbortClick);
  connect(btnHelp, &QPushButton::clicked, this, &TfrmAlert::btnHelpClick);
}

void TfrmAlert::ArrangeForCaller(core::CallerKind caller) {
  // The buttons stay where they are on screen; only the tab order and the first focus
  // change. The sequential run starts on "オート", the other modes on "中止", so that a
  // hasty Enter never overwrites a file.
  const bool sequential = caller == core::CallerKind::SequentialRun;
  btnAuto->setVisible(sequential);
  QWidget* first = sequential ? static_cast<QWidget*>(btnAuto) : btnAbort;
  const QList<QWidget*> order =
      sequential ? QList<QWidget*>{btnAuto, btnOverWrite, btnAllOverWrite, btnCancel, btnAbort, btnHelp}
                 : QList<QWidget*>{btnAbort, btnOverWrite, btnAllOverWrite, btnCancel, btnHelp};
  for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
  first->setFocus();
}

void TfrmAlert::Answer(OverwriteChoice choice) {
  m_choice = choice;
  accept();
}

void TfrmAlert::btnOverWriteClick() { Answer(OverwriteChoice::Overwrite); }
void TfrmAlert::btnAllOverWriteClick() { Answer(OverwriteChoice::OverwriteAll); }
void TfrmAlert::btnAutoClick() { Answer(OverwriteChoice::Auto); }
void TfrmAlert::btnCancelClick() { Answer(OverwriteChoice::Skip); }
void TfrmAlert::btnAbortClick() { Answer(OverwriteChoice::Abort); }
void TfrmAlert::btnHelpClick() { emit helpRequested(); }

OverwriteChoice ShowOverwriteAlert(const core::OverwriteQuestion& question, QWidget* parent,
                                   const std::function<void()>& onHelp) {
  TfrmAlert alert(question, parent);
  if (onHelp) QObject::connect(&alert, &TfrmAlert::helpRequested, &alert, [&onHelp] { onHelp(); });
  alert.exec();
  return alert.Choice();
}

}  // namespace morvane::gui
