#pragma once

#include <optional>
#include <string_view>

#include "core/names/input_class.h"

namespace morvane::gui {

// The text field a control of the main window or the settings dialog is, by its object
// name (cboKyotsuName, edtChgExt, ...); nothing for another control.
std::optional<core::TextField> TextFieldNamed(std::string_view objectName);

}  // namespace morvane::gui
