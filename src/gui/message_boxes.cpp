#include "gui/message_boxes.h"

#include <QMessageBox>
#include <QPushButton>

namespace morvane::gui {
namespace {

QMessageBox::Icon IconOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::Warning:
      return QMessageBox::Warning;
    case MessageKind::Error:
      return QMessageBox::Critical;
    case MessageKind::Information:
      return QMessageBox::Information;
    case MessageKind::Confirmation:
      break;
  }
  return QMessageBox::Question;
}

}  // namespace

QString MessageBoxes::Title(MessageKind kind) {
  switch (kind) {
    case MessageKind::Warning:
      return QStringLiteral("警告");
    case MessageKind::Error:
      return QStringLiteral("ｴﾗｰ");
    case MessageKind::Information:
      return QStringLiteral("情報");
    case MessageKind::Confirmation:
      break;
  }
  return QStringLiteral("確認");
}

MessageAnswer MessageBoxes::Show(MessageKind kind, const QString& text, MessageButtons buttons) {
  m_shown.push_back({kind, text, buttons});
  if (!m_answers.empty()) {
    const MessageAnswer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
  }

  // The texts begin with a line break by convention, written as CR LF.
  QString shownText = text;
  shownText.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QMessageBox box(IconOf(kind), Title(kind), shownText, QMessageBox::NoButton, m_parent);
  const bool yesNo = buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel;
  QPushButton* yes = yesNo ? box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole) : nullptr;
  QPushButton* no = yesNo ? box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole) : nullptr;
  QPushButton* ok = yesNo ? nullptr : box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
  const bool cancellable = buttons == MessageButtons::OkCancel || buttons == MessageButtons::YesNoCancel;
  QPushButton* cancel =
      cancellable ? box.addButton(QStringLiteral("ｷｬﾝｾﾙ"), QMessageBox::RejectRole) : nullptr;
  box.setDefaultButton(yesNo ? yes : ok);
  if (cancel) box.setEscapeButton(cancel);
  box.exec();

  QAbstractButton* clicked = box.clickedButton();
  if (clicked == yes && yes) return MessageAnswer::Yes;
  if (clicked == no && no) return MessageAnswer::No;
  if (clicked == ok && ok) return MessageAnswer::Ok;
  // The close box counts as the cancel button, or as the only button when there is none.
  if (cancel) return MessageAnswer::Cancel;
  return yesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

}  // namespace morvane::gui
