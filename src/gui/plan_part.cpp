#include "gui/plan_part.h"

#include <QAction>
#include <QMenu>
#include <QTimer>
#include <chrono>

#include "gui/plan_list_model.h"
#include "gui/qt_text.h"
#include "gui/untConfirmation.h"
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

PlanPart::PlanPart(PlanHost& host, TfrmConfirmation& confirmation, core::FileSystem& fileSystem, QMenu* menu,
                   QAction* before, QWidget* window)
    : QObject(window),
      m_host(host),
      m_confirmation(confirmation),
      m_fileSystem(fileSystem),
      m_window(new TfrmPreviewList(window)),
      m_menuItem(new QAction(QStringLiteral("変換プレビュー一覧(&P)..."), window)),
      m_timer(new QTimer(this)),
      // Made again on its own thread, so that typing over a large list is not held up.
      m_listPlan(new BackgroundPlan(this)),
      m_confirmationPlan(new BackgroundPlan(this)) {
  m_timer->setSingleShot(true);
  m_timer->setInterval(kPlanDelayMs);
  connect(m_timer, &QTimer::timeout, this, [this] { m_listPlan->Start(PlanOfStartNow()); });
  connect(m_listPlan, &BackgroundPlan::Ready, this, [this] { ShowCheckedPlan(m_listPlan->Take()); });
  connect(m_confirmationPlan, &BackgroundPlan::Ready, this, &PlanPart::ShowConfirmationPlan);

  m_menuItem->setObjectName(QStringLiteral("mnuPreviewList"));
  menu->insertAction(before, m_menuItem);
  connect(m_menuItem, &QAction::triggered, this, &PlanPart::ShowWindow);
  m_confirmation.SetShowList([this] { ShowOverConfirmation(); });
  connect(m_window, &TfrmPreviewList::ResolveChainsToggled, this, &PlanPart::SetResolveChains);
  connect(&m_confirmation, &TfrmConfirmation::ResolveChainsToggled, this, &PlanPart::SetResolveChains);
}

// From the confirmation: the window over it, which is modal, until it is closed.
void PlanPart::ShowOverConfirmation() {
  const bool wasShown = m_window->isVisible();
  m_window->hide();
  if (m_confirmationPlan->Pending()) {
    const WaitCursor waiting;
    ShowConfirmationPlan();
  } else {
    Refresh();
  }
  m_window->setWindowModality(Qt::ApplicationModal);
  m_window->exec();
  m_window->setWindowModality(Qt::NonModal);
  if (wasShown) m_window->show();
}

void PlanPart::ShowWindow() {
  Refresh();
  m_window->show();
  m_window->raise();
  m_window->activateWindow();
}

void PlanPart::MayHaveChanged() {
  if (m_window->isVisible()) m_timer->start();
}

void PlanPart::StopListPlan() {
  m_timer->stop();
  m_listPlan->Stop();
}

void PlanPart::Refresh() {
  // A plan made now takes the place of one still being made.
  m_listPlan->Stop();
  // Over a large list the plan, a dry run over every file, takes a moment.
  const WaitCursor waiting;
  ShowCheckedPlan(
      core::MakeCheckedPlan(m_host.StartRequestNow(), m_chains.on, m_host.ProtectedTypes(), m_fileSystem));
}

BackgroundPlan::Make PlanPart::PlanOfStartNow() const {
  return [request = m_host.StartRequestNow(), chains = m_chains.on, types = m_host.ProtectedTypes(),
          &fileSystem = m_fileSystem](const core::PlanWatch& watch) {
    return core::MakeCheckedPlan(request, chains, types, fileSystem, &watch);
  };
}

void PlanPart::ShowCheckedPlan(core::CheckedPlan made) {
  m_chains.offered = made.chainsOffered;
  if (made.refusal) {
    m_window->ShowNoPlan(ToQString(*made.refusal).trimmed());
  } else {
    m_window->ShowPlan(std::move(made.plan), m_chains);
  }
}

void PlanPart::StartConfirmationPlan() {
  // The confirmation's plan is the plan window's too.
  StopListPlan();
  m_chains.offered = false;
  m_confirmationPlan->Start(PlanOfStartNow());
  if (m_confirmationPlan->WaitFor(kConfirmationWaitsForPlan, kLargeRun)) {
    ShowConfirmationPlan();
  } else {
    m_confirmation.ShowCountsPending(m_chains);
  }
}

void PlanPart::ShowConfirmationPlan() {
  ShowCheckedPlan(m_confirmationPlan->Take());
  ShowConfirmationCounts();
}

void PlanPart::ShowConfirmationCounts() {
  const core::RunPlan& plan = m_window->Plan();
  m_confirmation.SetPlanCounts(plan.entries.size(), LeftCount(plan), m_chains);
}

void PlanPart::SetResolveChains(bool on) {
  m_chains.on = on;
  // A plan still being made for the confirmation was made for the other choice.
  m_confirmationPlan->Stop();
  Refresh();
  if (m_confirmation.isVisible()) ShowConfirmationCounts();
}

}  // namespace morvane::gui
