#include "gui/untPreviewList.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/interface_font.h"
#include "gui/plan_list_model.h"

namespace morvane::gui {

QString PlanCountsText(const core::RunPlan& plan) {
  QString text = QStringLiteral("対象ファイル %1 個").arg(plan.entries.size());
  for (int each = 0; each <= static_cast<int>(core::PlanOutcome::Failed); ++each) {
    const auto outcome = static_cast<core::PlanOutcome>(each);
    if (const std::size_t count = plan.CountOf(outcome)) {
      text += QStringLiteral("　%1 %2").arg(OutcomeCaption(outcome, false)).arg(count);
    }
  }
  return text + QStringLiteral("　（変換されないファイル %1 個）").arg(LeftCount(plan));
}

TfrmPreviewList::TfrmPreviewList(QWidget* parent) : QDialog(parent), m_model(new PlanListModel(this)) {
  setObjectName(QStringLiteral("frmPreviewList"));
  setFont(UiFont());
  setWindowTitle(QStringLiteral("変換プレビュー一覧"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  resize(640, 420);

  lstPreview = new QTableView(this);
  lstPreview->setObjectName(QStringLiteral("lstPreview"));
  lstPreview->setModel(m_model);
  lstPreview->setSelectionBehavior(QAbstractItemView::SelectRows);
  lstPreview->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lstPreview->verticalHeader()->hide();
  // One height for every row and no measuring of contents, so that 100,000 rows show at once.
  lstPreview->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  lstPreview->verticalHeader()->setDefaultSectionSize(lstPreview->fontMetrics().height() + 6);
  lstPreview->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  lstPreview->horizontalHeader()->setStretchLastSection(true);
  lstPreview->setColumnWidth(PlanListModel::kCurrentName, 220);
  lstPreview->setColumnWidth(PlanListModel::kNewName, 220);

  lblCounts = new QLabel(this);
  lblCounts->setObjectName(QStringLiteral("lblCounts"));
  lblCounts->setWordWrap(true);
  btnClose = new QPushButton(QStringLiteral("閉じる"), this);
  btnClose->setObjectName(QStringLiteral("btnClose"));
  connect(btnClose, &QPushButton::clicked, this, &QDialog::close);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(lblCounts, 1);
  buttons->addWidget(btnClose);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lstPreview, 1);
  layout->addLayout(buttons);
}

void TfrmPreviewList::ShowPlan(core::RunPlan plan) {
  lblCounts->setText(PlanCountsText(plan));
  m_model->SetPlan(std::move(plan));
}

const core::RunPlan& TfrmPreviewList::Plan() const { return m_model->Plan(); }

void TfrmPreviewList::ShowNoPlan(const QString& why) {
  m_model->SetPlan({});
  lblCounts->setText(why);
}

}  // namespace morvane::gui
