#pragma once

#include <QAbstractTableModel>

#include "core/pipeline/run_plan.h"

namespace morvane::gui {

// The rows of the plan window: each file's current name, its new name and the outcome,
// read from the plan on demand, so that 100,000 rows cost nothing until shown. The files
// the run will not rename stand out by a colour and an icon both.
class PlanListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kCurrentName, kNewName, kOutcome, kColumns };

  explicit PlanListModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

  void SetPlan(core::RunPlan plan);
  const core::RunPlan& Plan() const { return m_plan; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  core::RunPlan m_plan;
};

// The outcome as the window names it ("変換", "名前が使用中", ...).
QString OutcomeCaption(core::PlanOutcome outcome, bool asked);
// True for the outcomes that leave the file as it is.
bool LeavesFile(core::PlanOutcome outcome);
// The files of the plan that the run will leave as they are.
std::size_t LeftCount(const core::RunPlan& plan);

}  // namespace morvane::gui
