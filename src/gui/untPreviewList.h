#pragma once

#include <QDialog>

#include "core/run/run_plan.h"

class QLabel;
class QPushButton;
class QTableView;

namespace morvane::gui {

class PlanListModel;

// The plan window: every file of the run as the run will treat it, its current name,
// its new name and the outcome, the files left as they are marked, and the count per
// outcome below the list. Not modal: it follows the main window's fields while open.
class TfrmPreviewList : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmPreviewList(QWidget* parent = nullptr);

  // The plan to show, or why there is none (the start checks' message).
  void ShowPlan(core::RunPlan plan);
  void ShowNoPlan(const QString& why);
  // The plan shown (empty when there is none).
  const core::RunPlan& Plan() const;

  QTableView* lstPreview;
  QLabel* lblCounts;
  QPushButton* btnClose;

 private:
  PlanListModel* m_model;
};

// The counts below the list: the files, then each outcome that occurs.
QString PlanCountsText(const core::RunPlan& plan);

}  // namespace morvane::gui
