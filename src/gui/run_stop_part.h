#pragma once

#include <QObject>
#include <QPointer>

class QMainWindow;
class QPushButton;
class QWidget;

namespace morvane::gui {

// A run from the window can be stopped. While it goes, the window's controls and menus
// are shown disabled, and 中止 takes the place of 実行; 中止, Esc and closing the window
// ask the run to stop after the file in hand, as a signal does. Any other click or key
// meant for the program's windows is dropped, not kept for after the run; the dialogs a
// run opens (the overwrite alert, its messages) take input as ever.
class RunStopPart : public QObject {
  Q_OBJECT

 public:
  // startButton: the place the stop button takes; controls and menus: what is shown
  // disabled (containers, so that each control keeps the state it had or is given
  // during the run).
  RunStopPart(QMainWindow& window, QWidget* startButton, QWidget* controls, QWidget* menus);

  QPushButton* StopButton() const { return m_stopButton; }
  void Begin();
  void End();
  bool StopAsked() const { return m_stopAsked; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void AskStop();
  bool IsStopButton(QObject* object) const;

  QMainWindow& m_window;
  QWidget* m_startButton;
  QWidget* m_controls;
  QWidget* m_menus;
  QPushButton* m_stopButton;
  QPointer<QWidget> m_focusBefore;
  bool m_going = false;
  bool m_stopAsked = false;
};

}  // namespace morvane::gui
