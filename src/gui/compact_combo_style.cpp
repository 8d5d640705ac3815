#include "gui/compact_combo_style.h"

#include <QApplication>
#include <QStyleFactory>
#include <QStyleOptionComplex>

namespace morvane::gui {
namespace {
constexpr int kFrame = 1;
}  // namespace

CompactComboStyle::CompactComboStyle(int arrowWidth)
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name())), m_arrowWidth(arrowWidth) {}

QRect CompactComboStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                        SubControl part, const QWidget* widget) const {
  if (control != CC_ComboBox || (part != SC_ComboBoxArrow && part != SC_ComboBoxEditField))
    return QProxyStyle::subControlRect(control, option, part, widget);
  const QRect whole = option->rect;
  const QRect arrow(whole.right() - kFrame - m_arrowWidth + 1, whole.top(), m_arrowWidth + kFrame,
                    whole.height());
  const QRect edit(whole.left() + kFrame, whole.top() + kFrame, arrow.left() - whole.left() - kFrame,
                   whole.height() - 2 * kFrame);
  return visualRect(option->direction, whole, part == SC_ComboBoxArrow ? arrow : edit);
}

}  // namespace morvane::gui
