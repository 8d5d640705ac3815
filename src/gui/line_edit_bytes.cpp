#include "gui/line_edit_bytes.h"

#include <QByteArray>
#include <QLineEdit>

#include "gui/qt_text.h"

namespace morvane::gui {
namespace {

constexpr const char* kBytes = "morvaneTextBytes";
constexpr const char* kShown = "morvaneTextShown";

}  // namespace

void SetTextBytes(QLineEdit* edit, std::string_view bytes) {
  const QString shown = ToQString(bytes);
  edit->setProperty(kBytes, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
  edit->setProperty(kShown, shown);
  edit->setText(shown);
}

std::string TextBytes(const QLineEdit* edit) {
  if (edit->property(kShown).toString() == edit->text() && edit->property(kBytes).isValid()) {
    return edit->property(kBytes).toByteArray().toStdString();
  }
  return ToBytes(edit->text());
}

}  // namespace morvane::gui
