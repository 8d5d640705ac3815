#include "gui/untConfirmation.h"

#include <QCheckBox>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStyle>

#include "gui/confirm_dialog.h"
#include "gui/elided_label.h"
#include "gui/interface_font.h"
#include "gui/qt_text.h"

namespace morvane::gui {
namespace {

// The height of each row the program adds under the settings.
constexpr int kRowHeight = 24;

}  // namespace

TfrmConfirmation::TfrmConfirmation(QWidget* parent) : QDialog(parent) {
  setFont(UiFont());
  setupUi(this);
  AddPlanRow();
  setFixedSize(size());
  m_heightWithoutChains = height();
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  imgIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(imgIcon->size()));
  connect(btnOk, &QPushButton::clicked, this, &TfrmConfirmation::btnOkClick);
  connect(btnCancel, &QPushButton::clicked, this, &TfrmConfirmation::btnCancelClick);
}

// A row under the settings for the plan's counts, and a button for the plan window
// beside OK and Cancel, which move down to make room.
void TfrmConfirmation::AddPlanRow() {
  resize(width(), height() + kRowHeight);
  for (QPushButton* button : {btnOk, btnCancel}) button->move(button->x(), button->y() + kRowHeight);
  lblPlanCounts = new QLabel(this);
  lblPlanCounts->setObjectName(QStringLiteral("lblPlanCounts"));
  lblPlanCounts->setGeometry(24, lblLogOutput->y() + kRowHeight, 364, 16);
  btnPreviewList = new QPushButton(QStringLiteral("一覧(&L)..."), this);
  btnPreviewList->setObjectName(QStringLiteral("btnPreviewList"));
  btnPreviewList->setGeometry(btnCancel->x() + 96, btnCancel->y(), 80, btnCancel->height());
  connect(btnPreviewList, &QPushButton::clicked, this, [this] {
    if (m_showList) m_showList();
  });
  chkResolveChains = new QCheckBox(ResolveChainsCaption(), this);
  chkResolveChains->setObjectName(QStringLiteral("chkResolveChains"));
  chkResolveChains->setGeometry(24, lblPlanCounts->y() + kRowHeight, 364, 20);
  chkResolveChains->hide();
  connect(chkResolveChains, &QCheckBox::toggled, this, &TfrmConfirmation::ResolveChainsToggled);
  m_buttonsY = btnOk->y();
}

void TfrmConfirmation::SetPlanCounts(std::size_t files, std::size_t left, ChainOffer chains) {
  lblPlanCounts->setText(
      QStringLiteral("対象ファイル %1 個　変換されないファイル %2 個").arg(files).arg(left));
  ShowChains(chains);
}

void TfrmConfirmation::ShowCountsPending(ChainOffer chains) {
  lblPlanCounts->setText(QStringLiteral("対象ファイルを数えています…"));
  ShowChains(chains);
}

void TfrmConfirmation::ShowChains(ChainOffer chains) {
  {
    const QSignalBlocker quiet(chkResolveChains);
    chkResolveChains->setChecked(chains.on);
  }
  // The choice takes a row of its own, between the counts and the buttons, only when shown.
  const int extra = chains.Shown() ? kRowHeight : 0;
  for (QPushButton* button : {btnOk, btnCancel, btnPreviewList})
    button->move(button->x(), m_buttonsY + extra);
  chkResolveChains->setVisible(chains.Shown());
  setFixedSize(width(), m_heightWithoutChains + extra);
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

bool TfrmConfirmation::ShowConfirmation() { return ConfirmModally(*this, m_answers, m_confirmed); }

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
