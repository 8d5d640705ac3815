// The mode handlers the window keeps under their names; the modes are the
// ModeSwitchPart.
#include <QComboBox>

#include "core/targets/target_list.h"
#include "gui/mode_switch_part.h"
#include "gui/untMain.h"

namespace morvane::gui {

core::OperatingMode TfrmMain::Mode() const { return m_modes->Mode(); }
void TfrmMain::SelectMode(core::OperatingMode mode) { m_modes->Select(mode); }
void TfrmMain::mnuChangeStrClick() { m_modes->Select(core::OperatingMode::StringReplacement); }
void TfrmMain::ApplyOutputFolderRule() { m_modes->ApplyOutputFolderRule(); }

// The reorder arrangement (one selection, dragging) holds exactly in the rename mode
// with the user order; everywhere else the list selects freely and cannot be dragged.
bool TfrmMain::InUserOrderState() const {
  return core::IsUserOrderState(Mode(), cboSortType->currentIndex());
}

}  // namespace morvane::gui
