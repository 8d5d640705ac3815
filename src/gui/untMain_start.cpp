// The runs' handlers and seams the window keeps; the runs are the MainRunPart.
#include <QProgressBar>

#include "gui/main_run_part.h"
#include "gui/plan_part.h"
#include "gui/untMain.h"

namespace morvane::gui {

void TfrmMain::btnStartClick() { m_runPart->Start(); }
core::StartRequest TfrmMain::StartRequestNow() const { return m_runPart->RequestNow(); }
bool TfrmMain::ResolvesChains() const { return m_plan->ResolvesChains(); }
void TfrmMain::ProgressBegin(int count) { m_runPart->ProgressBegin(count); }
void TfrmMain::ProgressStep() { m_runPart->ProgressSteps(1); }
void TfrmMain::ProgressEnd() { m_runPart->ProgressEnd(); }

}  // namespace morvane::gui
