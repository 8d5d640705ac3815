// The plan window of the main window: opened from the 機能 menu, and recomputed shortly
// after the last change of the fields or the list while it is open.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <chrono>

#include "core/pipeline/checked_plan.h"
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

// The confirmation waits for the plan of a small run, ready within milliseconds, and
// comes up with its counts. A larger run's confirmation comes up as soon as the plan
// shows it to be large (its listings met that many entries, or it collected that many
// files) or the wait is over, and takes its counts when the plan is ready: the person
// can read the settings, or answer, meanwhile.
constexpr std::chrono::milliseconds kConfirmationWaitsForPlan{150};
constexpr std::size_t kLargeRun = 2'000;

}  // namespace

void TfrmMain::CreatePlanList() {
  m_planList = new TfrmPreviewList(this);
  m_planTimer = new QTimer(this);
  m_planTimer->setSingleShot(true);
  m_planTimer->setInterval(kPlanDelayMs);
  // Made again on its own thread, so that typing over a large list is not held up.
  m_listPlan = new BackgroundPlan(this);
  connect(m_planTimer, &QTimer::timeout, this, [this] { m_listPlan->Start(PlanOfStartNow()); });
  connect(m_listPlan, &BackgroundPlan::Ready, this, [this] { ShowCheckedPlan(m_listPlan->Take()); });
  m_confirmationPlan = new BackgroundPlan(this);
  connect(m_confirmationPlan, &BackgroundPlan::Ready, this, &TfrmMain::ShowConfirmationPlan);

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
  if (m_confirmationPlan->Pending()) {
    const WaitCursor waiting;
    ShowConfirmationPlan();
  } else {
    RefreshPlanList();
  }
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
  // A plan made now takes the place of one still being made.
  m_listPlan->Stop();
  // Over a large list the plan, a dry run over every file, takes a moment.
  const WaitCursor waiting;
  ShowCheckedPlan(core::MakeCheckedPlan(StartRequestNow(), m_chains.on, ProtectedTypes(), m_fileSystem));
}

BackgroundPlan::Make TfrmMain::PlanOfStartNow() const {
  return [request = StartRequestNow(), chains = m_chains.on, types = ProtectedTypes(),
          &fileSystem = m_fileSystem](const core::PlanWatch& watch) {
    return core::MakeCheckedPlan(request, chains, types, fileSystem, &watch);
  };
}

void TfrmMain::ShowCheckedPlan(core::CheckedPlan made) {
  m_chains.offered = made.chainsOffered;
  if (made.refusal) {
    m_planList->ShowNoPlan(ToQString(*made.refusal).trimmed());
  } else {
    m_planList->ShowPlan(std::move(made.plan), m_chains);
  }
}

void TfrmMain::StartConfirmationPlan() {
  // The confirmation's plan is the plan window's too.
  m_planTimer->stop();
  m_listPlan->Stop();
  m_chains.offered = false;
  m_confirmationPlan->Start(PlanOfStartNow());
  if (m_confirmationPlan->WaitFor(kConfirmationWaitsForPlan, kLargeRun)) {
    ShowConfirmationPlan();
  } else {
    frmConfirmation->ShowCountsPending(m_chains);
  }
}

void TfrmMain::ShowConfirmationPlan() {
  ShowCheckedPlan(m_confirmationPlan->Take());
  ShowConfirmationCounts();
}

void TfrmMain::ShowConfirmationCounts() {
  const core::RunPlan& plan = m_planList->Plan();
  frmConfirmation->SetPlanCounts(plan.entries.size(), LeftCount(plan), m_chains);
}

void TfrmMain::SetResolveChains(bool on) {
  m_chains.on = on;
  // A plan still being made for the confirmation was made for the other choice.
  m_confirmationPlan->Stop();
  RefreshPlanList();
  if (frmConfirmation->isVisible()) ShowConfirmationCounts();
}

}  // namespace morvane::gui
