#include "gui/untUndo.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/confirm_dialog.h"
#include "gui/interface_font.h"
#include "gui/qt_text.h"
#include "gui/undo_list_model.h"

namespace morvane::gui {
namespace {

QLabel* NewLabel(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  return label;
}

QPushButton* NewButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

}  // namespace

QString UndoCountsText(const core::UndoReport& plan) {
  const auto undone = std::ranges::count_if(
      plan.entries, [](const core::UndoEntry& entry) { return UndoesChange(entry.result); });
  const auto left = static_cast<qsizetype>(plan.entries.size()) - undone;
  return QStringLiteral("元に戻すファイル %1 個　元に戻せないファイル %2 個").arg(undone).arg(left);
}

TfrmUndo::TfrmUndo(QWidget* parent) : QDialog(parent), m_model(new UndoListModel(this)) {
  setObjectName(QStringLiteral("frmUndo"));
  setFont(UiFont());
  setWindowTitle(QStringLiteral("元に戻す"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setModal(true);
  resize(640, 420);

  lblUndoTitle = NewLabel(this, "lblUndoTitle");
  QFont bold = lblUndoTitle->font();
  bold.setBold(true);
  lblUndoTitle->setFont(bold);
  lblUndoTime = NewLabel(this, "lblUndoTime");
  lblUndoCount = NewLabel(this, "lblUndoCount");
  lblUndoUnfinished = NewLabel(this, "lblUndoUnfinished");
  lblUndoUnfinished->setText(
      QStringLiteral("この実行は途中で終わっています。最後の変更は、ファイルを確かめたうえで元に戻します。"));
  lblUndoUnfinished->setWordWrap(true);
  lblUndoUnfinished->hide();

  lstUndo = new QTableView(this);
  lstUndo->setObjectName(QStringLiteral("lstUndo"));
  SetUpLargeTableView(lstUndo, m_model);

  lblUndoCounts = NewLabel(this, "lblUndoCounts");
  lblUndoCounts->setWordWrap(true);
  lblUndoQuestion = NewLabel(this, "lblUndoQuestion");
  lblUndoQuestion->setText(
      QStringLiteral("この実行を元に戻しますか？ 使用中の名前のファイルは上書きしません。"));
  btnUndo = NewButton(this, "btnUndo", QStringLiteral("元に戻す(&U)"));
  btnUndo->setDefault(true);
  btnCancel = NewButton(this, "btnCancel", QStringLiteral("キャンセル"));
  connect(btnUndo, &QPushButton::clicked, this, &TfrmUndo::btnUndoClick);
  connect(btnCancel, &QPushButton::clicked, this, &TfrmUndo::btnCancelClick);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(lblUndoQuestion, 1);
  buttons->addWidget(btnUndo);
  buttons->addWidget(btnCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblUndoTitle);
  layout->addWidget(lblUndoTime);
  layout->addWidget(lblUndoCount);
  layout->addWidget(lblUndoUnfinished);
  layout->addWidget(lstUndo, 1);
  layout->addWidget(lblUndoCounts);
  layout->addLayout(buttons);
  setTabOrder(btnUndo, btnCancel);
  setTabOrder(btnCancel, lstUndo);
}

void TfrmUndo::SetOffer(UndoOffer offer) {
  lblUndoTitle->setText(ToQString(offer.header.title));
  // A journal that does not know its start (0) says so rather than show 1970.
  const QString started = offer.header.startedAt > 0 ? QDateTime::fromSecsSinceEpoch(offer.header.startedAt)
                                                           .toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"))
                                                     : QStringLiteral("不明");
  lblUndoTime->setText(QStringLiteral("実行日時：") + started);
  lblUndoCount->setText(QStringLiteral("変更したファイル：%1 件").arg(offer.changes));
  lblUndoUnfinished->setVisible(!offer.ended);
  lblUndoCounts->setText(UndoCountsText(offer.plan));
  m_model->SetEntries(std::move(offer.plan.entries));
}

bool TfrmUndo::ShowUndo() { return ConfirmModally(*this, m_answers, m_confirmed); }

void TfrmUndo::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Every showing starts on 元に戻す, whichever control had the focus the last time.
  if (!event->spontaneous()) {
    btnUndo->setFocus();
    lstUndo->scrollToTop();
  }
}

void TfrmUndo::btnUndoClick() {
  m_confirmed = true;
  accept();
}

void TfrmUndo::btnCancelClick() { reject(); }

}  // namespace morvane::gui
