#pragma once

#include <QDialog>

#include "core/pipeline/run_plan.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableView;

namespace morvane::gui {

class PlanListModel;

// Whether the run may resolve its chains (its files taking names of its own files that
// move later, through temporary names): offered when that removes every conflict, on
// when the person has chosen it.
struct ChainOffer {
  bool offered = false;
  bool on = false;

  bool Shown() const { return offered || on; }
};

// The plan window: every file of the run as the run will treat it, its current name,
// its new name and the outcome, the files left as they are marked, and the count per
// outcome below the list. Not modal: it follows the main window's fields while open.
class TfrmPreviewList : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmPreviewList(QWidget* parent = nullptr);

  // The plan to show, or why there is none (the start checks' message).
  void ShowPlan(core::RunPlan plan, ChainOffer chains = {});
  void ShowNoPlan(const QString& why);
  // The plan shown (empty when there is none).
  const core::RunPlan& Plan() const;

  QTableView* lstPreview;
  QLabel* lblCounts;
  QCheckBox* chkResolveChains;
  QPushButton* btnClose;

 signals:
  void ResolveChainsToggled(bool on);

 private:
  PlanListModel* m_model;
};

// The counts below the list: the files, then each outcome that occurs.
QString PlanCountsText(const core::RunPlan& plan);
// The caption of the choice to resolve chains, in the plan window and the confirmation.
QString ResolveChainsCaption();

}  // namespace morvane::gui
