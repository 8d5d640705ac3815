#include "gui/qt_text.h"

#include "core/text/code_page.h"

namespace morvane::gui {

QString ToQString(std::string_view bytes) {
  const std::u16string text = core::ActiveCodePage().ToUtf16(bytes);
  return QString::fromStdU16String(text);
}

std::string ToBytes(const QString& text) { return core::ActiveCodePage().FromUtf16(text.toStdU16String()); }

}  // namespace morvane::gui
