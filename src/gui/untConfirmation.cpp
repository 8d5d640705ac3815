#include "gui/untConfirmation.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>

#include "gui/elided_label.h"
#include "gui/interface_font.h"
#include "gui/qt_text.h"

namespace morvane::gui {

TfrmConfirmation::TfrmConfirmation(QWidget* parent) : QDialog(parent) {
  setFont(UiFont());
  setupUi(this);
  setFixedSize(size());
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  imgIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(imgIcon->size()));
  connect(btnOk, &QPushButton::clicked, this, &TfrmConfirmation::btnOkClick);
  connect(btnCancel, &QPushButton::clicked, this, &TfrmConfirmation::btnCancelClick);
}

void TfrmConfirmation::SetTexts(const core::ConfirmationTexts& texts) {
  SetElidedText(lblExtension, ToQString(texts.extension));
  SetElidedText(lblPreView, ToQString(texts.preview));
  lblSortType->setText(ToQString(texts.sortType));
  lblZoubun->setText(ToQString(texts.increment));
  lblChgExt->setText(ToQString(texts.changeExtension));
  lblRenameUL->setText(ToQString(texts.nameCase));
  lblExtUL->setText(ToQString(texts.extensionCase));
  lblDelFile->setText(ToQString(texts.renameInPlace));
  lblLogOutput->setText(ToQString(texts.logOutput));
}

bool TfrmConfirmation::ShowConfirmation() {
  m_confirmed = false;
  if (!m_answers.empty()) {
    m_confirmed = m_answers.front();
    m_answers.pop_front();
    return m_confirmed;
  }
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  exec();
  return m_confirmed;
}

void TfrmConfirmation::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Every showing starts on OK, whichever button closed it the last time.
  if (!event->spontaneous()) btnOk->setFocus();
}

void TfrmConfirmation::btnOkClick() {
  m_confirmed = true;
  accept();
}

void TfrmConfirmation::btnCancelClick() { reject(); }

}  // namespace morvane::gui
