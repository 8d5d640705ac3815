// The plan window of the main window: opened from the 機能 menu, and recomputed shortly
// after the last change of the fields or the list while it is open.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>

#include "core/fs/planning_file_system.h"
#include "core/run/run_plan.h"
#include "gui/plan_list_model.h"
#include "gui/qt_text.h"
#include "gui/untConfirmation.h"
#include "gui/untMain.h"
#include "gui/untPreviewList.h"
#include "gui/wait_cursor.h"

namespace morvane::gui {
namespace {

// A change of a field waits this long for the next before the plan is made again, so
// that typing into a field over a large list does not make one plan per key.
constexpr int kPlanDelayMs = 300;

// The start checks' questions as the plan answers them: the run goes ahead, and the
// fields are left as they are.
class PlanAnswers : public core::StartAnswers {
 public:
  bool Ask(const core::StartQuestion&) override { return true; }
};

}  // namespace

void TfrmMain::CreatePlanList() {
  m_planList = new TfrmPreviewList(this);
  m_planTimer = new QTimer(this);
  m_planTimer->setSingleShot(true);
  m_planTimer->setInterval(kPlanDelayMs);
  connect(m_planTimer, &QTimer::timeout, this, &TfrmMain::RefreshPlanList);

  mnuPreviewList = new QAction(QStringLiteral("変換プレビュー一覧(&P)..."), this);
  mnuPreviewList->setObjectName(QStringLiteral("mnuPreviewList"));
  mnuFunction->insertAction(mnuPreViewList->menuAction(), mnuPreviewList);
  connect(mnuPreviewList, &QAction::triggered, this, &TfrmMain::mnuPreviewListClick);
  frmConfirmation->SetShowList([this] { ShowPlanListOverConfirmation(); });
  connect(m_planList, &TfrmPreviewList::ResolveChainsToggled, this, &TfrmMain::SetResolveChains);
  connect(frmConfirmation, &TfrmConfirmation::ResolveChainsToggled, this, &TfrmMain::SetResolveChains);

  // The fields the preview line does not show change the plan too.
  const auto changed = [this] { PlanMayHaveChanged(); };
  for (QComboBox* combo : {cboExtension, cboOutputDir})
    connect(combo, &QComboBox::editTextChanged, this, changed);
  connect(cboSortType, &QComboBox::currentIndexChanged, this, changed);
  connect(edtZoubun, &QLineEdit::textChanged, this, changed);
  for (QCheckBox* box : {chkSortDse, chkDelFile, chkChgStr}) connect(box, &QCheckBox::toggled, this, changed);
}

// From the confirmation: the window over it, which is modal, until it is closed.
void TfrmMain::ShowPlanListOverConfirmation() {
  const bool wasShown = m_planList->isVisible();
  m_planList->hide();
  RefreshPlanList();
  m_planList->setWindowModality(Qt::ApplicationModal);
  m_planList->exec();
  m_planList->setWindowModality(Qt::NonModal);
  if (wasShown) m_planList->show();
}

void TfrmMain::mnuPreviewListClick() {
  RefreshPlanList();
  m_planList->show();
  m_planList->raise();
  m_planList->activateWindow();
}

void TfrmMain::PlanMayHaveChanged() {
  if (m_planList != nullptr && m_planList->isVisible()) m_planTimer->start();
}

void TfrmMain::RefreshPlanList() {
  // Over a large list the plan, a dry run over every file, takes a moment.
  const WaitCursor waiting;
  // Everything the checks and the plan would change (a missing output folder, the
  // files) is only recorded.
  core::PlanningFileSystem planning(m_fileSystem);
  PlanAnswers answers;
  core::StartDecision decision = core::CheckStart(StartRequestNow(), planning, answers);
  m_chains.offered = false;
  if (!decision.Ready()) {
    m_planList->ShowNoPlan(ToQString(decision.refusal->message).trimmed());
    return;
  }
  core::ReadyRun run = std::move(*decision.run);
  run.resolveChains = m_chains.on;
  core::RunPlan plan = core::MakeRunPlan(run, ProtectedTypes(), planning, Targets().Paths());
  // A second plan only when every conflict is with the run's own files: the chain-safe
  // run can help no other.
  if (!m_chains.on && plan.CountOf(core::PlanOutcome::TakenByRun) != 0 &&
      plan.CountOf(core::PlanOutcome::Taken) == 0) {
    run.resolveChains = true;
    m_chains.offered = core::ChainsResolvable(
        plan, core::MakeRunPlan(std::move(run), ProtectedTypes(), planning, Targets().Paths()));
  }
  m_planList->ShowPlan(std::move(plan), m_chains);
}

void TfrmMain::SetResolveChains(bool on) {
  m_chains.on = on;
  RefreshPlanList();
  if (frmConfirmation->isVisible()) {
    const core::RunPlan& plan = m_planList->Plan();
    frmConfirmation->SetPlanCounts(plan.entries.size(), LeftCount(plan), m_chains);
  }
}

}  // namespace morvane::gui
