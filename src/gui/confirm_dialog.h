#pragma once

#include <QDialog>
#include <deque>

namespace morvane::gui {

// Shows a yes/no dialog modally in the middle of the screen and gives what its buttons
// set in confirmed. An answer queued by a test is given instead, and the dialog is not
// shown.
bool ConfirmModally(QDialog& dialog, std::deque<bool>& answers, bool& confirmed);

}  // namespace morvane::gui
