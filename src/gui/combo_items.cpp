#include "gui/combo_items.h"

#include <QByteArray>
#include <QComboBox>
#include <QLineEdit>

#include "gui/line_edit_bytes.h"
#include "gui/qt_text.h"

namespace morvane::gui {

void AddItemBytes(QComboBox* combo, std::string_view bytes) {
  combo->addItem(ToQString(bytes), QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string ItemBytes(const QComboBox* combo, int index) {
  const QVariant bytes = combo->itemData(index);
  if (bytes.typeId() == QMetaType::QByteArray) return bytes.toByteArray().toStdString();
  return ToBytes(combo->itemText(index));
}

std::vector<std::string> AllItemBytes(const QComboBox* combo) {
  std::vector<std::string> items;
  items.reserve(static_cast<std::size_t>(combo->count()));
  for (int i = 0; i < combo->count(); ++i) items.push_back(ItemBytes(combo, i));
  return items;
}

void SetItemBytes(QComboBox* combo, const std::vector<std::string>& items) {
  // Clearing the items clears the edit text too; the caller sets the text it wants.
  combo->clear();
  for (const std::string& item : items) AddItemBytes(combo, item);
}

// An editable combo's text is its line edit's, so the bytes live there; a combo that
// cannot be edited has no edit text to set.
void SetEditTextBytes(QComboBox* combo, std::string_view bytes) {
  if (combo->lineEdit() != nullptr) SetTextBytes(combo->lineEdit(), bytes);
}

std::string EditTextBytes(const QComboBox* combo) {
  return combo->lineEdit() != nullptr ? TextBytes(combo->lineEdit()) : ToBytes(combo->currentText());
}

}  // namespace morvane::gui

namespace morvane::gui {

void ActivateOnlyFromDropDown(QComboBox* combo) {
  // The combo's own handler of the line edit's editingFinished does nothing but that
  // report (and move the current item along with it).
  QObject::disconnect(combo->lineEdit(), &QLineEdit::editingFinished, combo, nullptr);
}

}  // namespace morvane::gui
