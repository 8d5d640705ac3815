#pragma once

#include <string>
#include <string_view>

class QLineEdit;

namespace morvane::gui {

// The text of a line edit set from bytes, remembered so that TextBytes gives them back
// exactly while the text is unchanged, even when they are not valid in the code page.
void SetTextBytes(QLineEdit* edit, std::string_view bytes);
// The bytes the text was set from, or the text in the active code page once changed.
std::string TextBytes(const QLineEdit* edit);

}  // namespace morvane::gui
