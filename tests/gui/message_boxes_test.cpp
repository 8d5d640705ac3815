// The message box helper: the program's titles and button captions, and its seam.
#include "gui/message_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "when_modal.h"
#include "window_test_main.h"

using morvane::gui::MessageAnswer;
using morvane::gui::MessageBoxes;
using morvane::gui::MessageButtons;
using morvane::gui::MessageKind;

namespace {

// What the box showed: its title, text and button captions.
struct SeenBox {
  QString title;
  QString text;
  QStringList buttons;
};

// Records the box and clicks the button with the caption press.
void SeeAndPress(QMessageBox& box, SeenBox& seen, const QString& press) {
  seen.title = box.windowTitle();
  seen.text = box.text();
  for (QAbstractButton* button : box.buttons()) seen.buttons << button->text();
  for (QAbstractButton* button : box.buttons()) {
    if (button->text() == press) button->click();
  }
}

}  // namespace

class MessageBoxesTest : public QObject {
  Q_OBJECT

 private slots:
  void realBoxesCarryTheProgramsTitlesAndCaptions() {
    struct Case {
      MessageKind kind;
      MessageButtons buttons;
      QString press;
      QString title;
      QStringList captions;
      MessageAnswer answer;
    } const cases[] = {
        {MessageKind::Confirmation,
         MessageButtons::OkCancel,
         QStringLiteral("ｷｬﾝｾﾙ"),
         QStringLiteral("確認"),
         {QStringLiteral("OK"), QStringLiteral("ｷｬﾝｾﾙ")},
         MessageAnswer::Cancel},
        {MessageKind::Error,
         MessageButtons::Ok,
         QStringLiteral("OK"),
         QStringLiteral("ｴﾗｰ"),
         {QStringLiteral("OK")},
         MessageAnswer::Ok},
        {MessageKind::Warning,
         MessageButtons::YesNo,
         QStringLiteral("いいえ(&N)"),
         QStringLiteral("警告"),
         {QStringLiteral("はい(&Y)"), QStringLiteral("いいえ(&N)")},
         MessageAnswer::No},
        {MessageKind::Information,
         MessageButtons::YesNoCancel,
         QStringLiteral("はい(&Y)"),
         QStringLiteral("情報"),
         {QStringLiteral("はい(&Y)"), QStringLiteral("いいえ(&N)"), QStringLiteral("ｷｬﾝｾﾙ")},
         MessageAnswer::Yes},
    };
    for (const Case& c : cases) {
      MessageBoxes boxes(nullptr);
      SeenBox seen;
      {
        const morvane::test::WhenModal<QMessageBox> answer(
            QStringLiteral("the message box"), [&](QMessageBox& box) { SeeAndPress(box, seen, c.press); });
        QCOMPARE(boxes.Show(c.kind, QStringLiteral("\r\n本文"), c.buttons), c.answer);
      }
      QCOMPARE(seen.title, c.title);
      QCOMPARE(seen.text, QStringLiteral("\n本文"));
      QStringList captions = seen.buttons;
      QStringList expected = c.captions;
      captions.sort();
      expected.sort();
      QCOMPARE(captions, expected);
    }
  }

  void queuedAnswersAreTakenInOrderAndEveryMessageIsRecorded() {
    MessageBoxes boxes(nullptr);
    boxes.AnswerNext(MessageAnswer::Cancel);
    boxes.AnswerNext(MessageAnswer::Yes);
    QCOMPARE(boxes.Show(MessageKind::Confirmation, QStringLiteral("a"), MessageButtons::OkCancel),
             MessageAnswer::Cancel);
    QCOMPARE(boxes.Show(MessageKind::Warning, QStringLiteral("b"), MessageButtons::YesNo),
             MessageAnswer::Yes);
    QCOMPARE(boxes.Shown().size(), std::size_t{2});
    QCOMPARE(boxes.Shown()[1].text, QStringLiteral("b"));
    QCOMPARE(boxes.Shown()[1].kind, MessageKind::Warning);
  }
};

MORVANE_WINDOW_TEST(MessageBoxesTest)
#include "message_boxes_test.moc"
