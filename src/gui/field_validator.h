#pragma once

#include <QValidator>

#include "core/names/input_class.h"

class QLineEdit;

namespace morvane::gui {

// Drops the characters a field's input class refuses (a template field's : and > outside
// its tokens too), whether typed or pasted; the rest
// of the text stays and the cursor keeps its place among the kept characters. Qt lets a
// validator rewrite the text, which is what makes pasted text filtered rather than
// refused as a whole.
class FieldValidator : public QValidator {
  Q_OBJECT

 public:
  FieldValidator(core::InputClass inputClass, QObject* parent);
  State validate(QString& text, int& position) const override;

 private:
  core::InputClass m_inputClass;
};

// Gives the edit the validator and length limit of the field with that object name
// (core's table of input classes); does nothing for a name without a class.
void ApplyFieldInput(QLineEdit* edit, const QString& fieldName);
// Gives the edit the validator and length limit of the field.
void ApplyFieldInput(QLineEdit* edit, core::TextField field);

}  // namespace morvane::gui
