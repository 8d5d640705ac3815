#pragma once

#include <QString>
#include <optional>
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

// The decimal number a field holds, as Qt reads one; nothing for another text.
inline std::optional<int> ParseDecimal(const QString& text) {
  bool ok = false;
  const int value = text.toInt(&ok, 10);
  return ok ? std::optional<int>(value) : std::nullopt;
}

}  // namespace morvane::gui
