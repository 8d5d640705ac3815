#pragma once

#include <QObject>

#include "core/fs/file_system.h"
#include "core/names/protected_extensions.h"
#include "core/pipeline/checked_plan.h"
#include "core/pipeline/start_checks.h"
#include "gui/background_plan.h"
#include "gui/untPreviewList.h"

class QAction;
class QMenu;
class QTimer;
class QWidget;

namespace morvane::gui {

class TfrmConfirmation;

// What the plan needs of the window it is in.
class PlanHost {
 public:
  virtual ~PlanHost() = default;
  // The request Start would make now, from the fields as they are now.
  virtual core::StartRequest StartRequestNow() const = 0;
  virtual core::ProtectedExtensions ProtectedTypes() const = 0;
};

// The plan of the run Start would begin: the plan window (opened from the 機能 menu, and
// made again shortly after the last change while it is open), the counts of the run's
// confirmation, and the person's choice to resolve the run's chains.
class PlanPart : public QObject {
  Q_OBJECT

 public:
  // Puts the plan window's item into the menu before the item `before`.
  PlanPart(PlanHost& host, TfrmConfirmation& confirmation, core::FileSystem& fileSystem, QMenu* menu,
           QAction* before, QWidget* window);

  TfrmPreviewList* Window() const { return m_window; }
  QAction* MenuItem() const { return m_menuItem; }
  bool ResolvesChains() const { return m_chains.on; }

  // The menu item: the plan made now, the window shown and raised.
  void ShowWindow();
  // Something the plan depends on changed: made again shortly, when the window is open.
  void MayHaveChanged();
  // A run begins: the plan window's plan, due or being made, would read the files as the
  // run changes them.
  void StopListPlan();
  // Starts the plan of the run the confirmation asks about, on a thread of its own; the
  // confirmation takes its counts now when the plan is small, later when it is large.
  void StartConfirmationPlan();
  // The confirmation was answered: a plan not ready by then is of no more use.
  void StopConfirmationPlan() { m_confirmationPlan->Stop(); }
  // A run ended: the next one is chosen afresh.
  void ForgetChains() { m_chains = {}; }

 private:
  void Refresh();
  // A plan made (now or on a thread of its own) into the plan window.
  void ShowCheckedPlan(core::CheckedPlan made);
  // Makes the plan of the run Start would begin now, from the fields as they are now.
  BackgroundPlan::Make PlanOfStartNow() const;
  // The confirmation's plan is ready: into the plan window, its counts into the
  // confirmation.
  void ShowConfirmationPlan();
  void ShowConfirmationCounts();
  void ShowOverConfirmation();
  // The person turned the resolving of chains on or off (plan window or confirmation).
  void SetResolveChains(bool on);

  PlanHost& m_host;
  TfrmConfirmation& m_confirmation;
  core::FileSystem& m_fileSystem;
  TfrmPreviewList* m_window;
  QAction* m_menuItem;
  QTimer* m_timer;
  BackgroundPlan* m_listPlan;  // the plan window's, after a change
  BackgroundPlan* m_confirmationPlan;
  ChainOffer m_chains;
};

}  // namespace morvane::gui
