#pragma once

#include <QString>
#include <deque>
#include <vector>

class QWidget;

namespace morvane::gui {

// The four kinds of message box, each with its own title and icon.
enum class MessageKind { Warning, Error, Information, Confirmation };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// One message as it was shown (or answered by a test).
struct ShownMessage {
  MessageKind kind;
  QString text;
  MessageButtons buttons;
};

// Every modal message box of a window goes through here: the titles ("警告", "ｴﾗｰ",
// "情報", "確認") and the button captions are the program's own, not the platform's.
// Tests queue answers with AnswerNext; a queued answer is taken instead of showing a
// box, and every message is recorded either way.
class MessageBoxes {
 public:
  explicit MessageBoxes(QWidget* parent) : m_parent(parent) {}

  MessageAnswer Show(MessageKind kind, const QString& text, MessageButtons buttons = MessageButtons::Ok);

  // Test seam: the answer to the next message, without showing it.
  void AnswerNext(MessageAnswer answer) { m_answers.push_back(answer); }
  const std::vector<ShownMessage>& Shown() const { return m_shown; }
  void ClearShown() { m_shown.clear(); }

  static QString Title(MessageKind kind);

 private:
  QWidget* m_parent;
  std::deque<MessageAnswer> m_answers;
  std::vector<ShownMessage> m_shown;
};

}  // namespace morvane::gui
