#pragma once

#include "core/pipeline/run_plan.h"
#include "gui/large_table.h"

namespace morvane::gui {

// The rows of the plan window: each file's current name, its new name and the outcome.
// The files the run will not rename stand out by a colour and an icon both.
class PlanListModel : public LargeTableModel {
  Q_OBJECT

 public:
  enum Column { kCurrentName, kNewName, kOutcome, kColumns };

  explicit PlanListModel(QObject* parent = nullptr);

  void SetPlan(core::RunPlan plan);
  const core::RunPlan& Plan() const { return m_plan; }

 private:
  std::size_t RowCount() const override { return m_plan.entries.size(); }
  QVariant Cell(std::size_t row, int column, int role) const override;

  core::RunPlan m_plan;
};

// The outcome as the window names it ("変換", "名前が使用中", ...).
QString OutcomeCaption(core::PlanOutcome outcome, bool asked);
// True for the outcomes that leave the file as it is.
bool LeavesFile(core::PlanOutcome outcome);
// The files of the plan that the run will leave as they are.
std::size_t LeftCount(const core::RunPlan& plan);

}  // namespace morvane::gui
