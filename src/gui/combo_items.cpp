#include "gui/combo_items.h"

#include <QByteArray>
#include <QComboBox>

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
  for (int i = 0; i < combo->count(); ++i) items.push_back(ItemBytes(combo, i));
  return items;
}

void SetItemBytes(QComboBox* combo, const std::vector<std::string>& items) {
  // Clearing the items clears the edit text too; the caller sets the text it wants.
  combo->clear();
  for (const std::string& item : items) AddItemBytes(combo, item);
}

}  // namespace morvane::gui

namespace morvane::gui {
namespace {
constexpr const char* kTextBytes = "morvaneTextBytes";
constexpr const char* kTextShown = "morvaneTextShown";
}  // namespace

void SetEditTextBytes(QComboBox* combo, std::string_view bytes) {
  const QString shown = ToQString(bytes);
  combo->setProperty(kTextBytes, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
  combo->setProperty(kTextShown, shown);
  combo->setEditText(shown);
}

std::string EditTextBytes(const QComboBox* combo) {
  const QString text = combo->currentText();
  if (combo->property(kTextShown).toString() == text && combo->property(kTextBytes).isValid())
    return combo->property(kTextBytes).toByteArray().toStdString();
  return ToBytes(text);
}

}  // namespace morvane::gui
