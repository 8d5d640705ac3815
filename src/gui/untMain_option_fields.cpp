// The option fields' handlers the window keeps under their names; the fields are the
// OptionFieldsPart.
#include "gui/option_fields_part.h"
#include "gui/untMain.h"

namespace morvane::gui {

void TfrmMain::cboSortTypeChange() { m_optionFields->cboSortTypeChange(); }
void TfrmMain::cboRenameULChange() { m_optionFields->cboRenameULChange(); }
void TfrmMain::cboExtULChange() { m_optionFields->cboExtULChange(); }

}  // namespace morvane::gui
