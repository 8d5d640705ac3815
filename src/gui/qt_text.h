#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace morvane::gui {

// Text crosses between the byte strings of core (in the active code page) and Qt's
// UTF-16 only here, when it is shown or read from a control.
QString ToQString(std::string_view bytes);
std::string ToBytes(const QString& text);
// A UTF-8 literal of the program (markers, captions) as Qt text.
inline QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace morvane::gui
