#pragma once

#include <QWidget>

namespace morvane::gui {

// An up-down control: two small arrow buttons beside an edit field that step a number
// within a range. The field holds the text; the control only asks for a step.
class UpDown : public QWidget {
  Q_OBJECT

 public:
  UpDown(int minimum, int maximum, QWidget* parent);

  int Minimum() const { return m_minimum; }
  int Maximum() const { return m_maximum; }
  int Position() const { return m_position; }
  void SetPosition(int position);
  // The position one step up (+1) or down (-1) from current, kept within the range.
  int Stepped(int current, int direction) const;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 signals:
  // direction: +1 for the up arrow, -1 for the down arrow.
  void stepRequested(int direction);

 private:
  int m_minimum;
  int m_maximum;
  int m_position;
};

}  // namespace morvane::gui
