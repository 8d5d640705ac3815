#pragma once

#include <QString>

#include "core/undo/undo_journal.h"

namespace morvane::gui {

// The error message that the undo journal of a run (or of an undo) cannot be made, shown
// before any file is touched: what is not done (実行しません, 元に戻しません), the path
// and the system's reason.
QString JournalFailureMessage(const core::JournalFailure& failure, const QString& notDone);

}  // namespace morvane::gui
