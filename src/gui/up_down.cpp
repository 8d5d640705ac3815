#include "gui/up_down.h"

#include <QToolButton>
#include <algorithm>

namespace morvane::gui {

UpDown::UpDown(int minimum, int maximum, QWidget* parent)
    : QWidget(parent), m_minimum(minimum), m_maximum(maximum), m_position(minimum) {
  auto* up = new QToolButton(this);
  auto* down = new QToolButton(this);
  up->setObjectName(QStringLiteral("upArrow"));
  down->setObjectName(QStringLiteral("downArrow"));
  up->setArrowType(Qt::UpArrow);
  down->setArrowType(Qt::DownArrow);
  for (QToolButton* button : {up, down}) {
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
  }
  connect(up, &QToolButton::clicked, this, [this] { emit stepRequested(+1); });
  connect(down, &QToolButton::clicked, this, [this] { emit stepRequested(-1); });
  setMinimumSize(12, 12);
}

void UpDown::resizeEvent(QResizeEvent*) {
  // The arrows share the control's height, the up arrow on top.
  const int upHeight = height() / 2;
  const auto buttons = findChildren<QToolButton*>(QString(), Qt::FindDirectChildrenOnly);
  buttons.at(0)->setGeometry(0, 0, width(), upHeight);
  buttons.at(1)->setGeometry(0, upHeight, width(), height() - upHeight);
}

void UpDown::SetPosition(int position) { m_position = std::clamp(position, m_minimum, m_maximum); }

int UpDown::Stepped(int current, int direction) const {
  return std::clamp(current + direction, m_minimum, m_maximum);
}

}  // namespace morvane::gui
