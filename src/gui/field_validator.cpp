#include "gui/field_validator.h"

#include <QLineEdit>

#include "gui/text_fields.h"

namespace morvane::gui {

FieldValidator::FieldValidator(core::InputClass inputClass, QObject* parent)
    : QValidator(parent), m_inputClass(inputClass) {}

QValidator::State FieldValidator::validate(QString& text, int& position) const {
  QString kept;
  kept.reserve(text.size());
  int keptBeforeCursor = 0;
  core::FieldCharacterFilter filter(m_inputClass);
  for (qsizetype i = 0; i < text.size();) {
    const char32_t character = text.at(i).isHighSurrogate() && i + 1 < text.size()
                                   ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1))
                                   : text.at(i).unicode();
    const qsizetype length = character > 0xFFFF ? 2 : 1;
    if (filter.Keeps(character)) {
      kept += text.mid(i, length);
      if (i < position) keptBeforeCursor += static_cast<int>(length);
    }
    i += length;
  }
  if (kept.size() != text.size()) {
    text = kept;
    position = keptBeforeCursor;
  }
  return Acceptable;
}

void ApplyFieldInput(QLineEdit* edit, const QString& fieldName) {
  const std::optional<core::TextField> field = TextFieldNamed(fieldName.toStdString());
  if (field) ApplyFieldInput(edit, *field);
}

void ApplyFieldInput(QLineEdit* edit, core::TextField field) {
  const core::FieldInput input = core::InputOf(field);
  // A field can change its class (the replacement's A when it becomes a pattern); the
  // validator it had goes.
  const QValidator* previous = edit->validator();
  edit->setValidator(new FieldValidator(input.inputClass, edit));
  if (previous != nullptr && previous->parent() == edit) delete previous;
  if (input.maxChars) edit->setMaxLength(static_cast<int>(*input.maxChars));
}

}  // namespace morvane::gui
