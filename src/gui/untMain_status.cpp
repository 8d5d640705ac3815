// The status bar's information panel (the target list's part keeps it) and the progress
// bar of a run.
#include <QProgressBar>
#include <algorithm>

#include "gui/target_list_part.h"
#include "gui/untMain.h"

namespace morvane::gui {

void TfrmMain::RefreshSelectionInfo() {
  m_targetList->RefreshSelectionInfo();
  if (m_plan != nullptr) m_plan->MayHaveChanged();
}
void TfrmMain::ShowItemInfo(const std::string& path) { m_targetList->ShowItemInfo(path); }
void TfrmMain::ShowListTotals() { m_targetList->ShowListTotals(); }
void TfrmMain::ShowFreeSpace() { m_targetList->ShowFreeSpace(); }

// A run of one file steps once by 1; a run of none has nothing to step.
void TfrmMain::ProgressBegin(int count) {
  pgbProcess->setRange(0, count);
  pgbProcess->setValue(0);
  pgbProcess->setProperty("step", count >= 2 ? 1 : count);
  pgbProcess->show();
}

void TfrmMain::ProgressSteps(int files) {
  const qint64 step = pgbProcess->property("step").toInt();
  pgbProcess->setValue(
      static_cast<int>(std::min<qint64>(pgbProcess->value() + step * files, pgbProcess->maximum())));
}

void TfrmMain::ProgressEnd() { pgbProcess->hide(); }

}  // namespace morvane::gui
