#pragma once

#include <QProxyStyle>

namespace morvane::gui {

// The look of the application's style for a narrow editable combo box, with a narrower
// drop-down button and a thinner frame, so that its edit field gets the width back.
// The start-number field is 60 pixels wide and must show eight digits.
class CompactComboStyle : public QProxyStyle {
  Q_OBJECT

 public:
  explicit CompactComboStyle(int arrowWidth);

  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                       const QWidget* widget) const override;

 private:
  int m_arrowWidth;
};

}  // namespace morvane::gui
