#pragma once

#include <string>
#include <string_view>
#include <vector>

class QComboBox;

namespace morvane::gui {

// Combo box items that keep the bytes they were made from. A history item read from
// the settings file (a folder path, say) is written back byte for byte, even when the
// bytes are not valid in the code page and show as replacement characters.
void AddItemBytes(QComboBox* combo, std::string_view bytes);
// The item's bytes: those it was made from, or its text in the active code page.
std::string ItemBytes(const QComboBox* combo, int index);
std::vector<std::string> AllItemBytes(const QComboBox* combo);
// Replaces every item.
void SetItemBytes(QComboBox* combo, const std::vector<std::string>& items);

}  // namespace morvane::gui

namespace morvane::gui {

// The edit text of a combo box set from bytes. The bytes are remembered, so that
// EditTextBytes gives them back exactly while the text is unchanged, even when they are
// not valid in the code page.
void SetEditTextBytes(QComboBox* combo, std::string_view bytes);
// The edit text's bytes: those it was set from, or the text in the active code page once
// the user has changed it.
std::string EditTextBytes(const QComboBox* combo);

}  // namespace morvane::gui

namespace morvane::gui {

// Makes a pick from the drop-down the only way an editable combo box reports an item as
// activated. Qt also reports one when the field loses the focus (or takes Enter) while
// its text equals an item, which would take a typed path for a history pick.
void ActivateOnlyFromDropDown(QComboBox* combo);

}  // namespace morvane::gui
