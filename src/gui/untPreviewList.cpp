#include "gui/untPreviewList.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/interface_font.h"
#include "gui/plan_list_model.h"

namespace morvane::gui {

QString PlanCountsText(const core::RunPlan& plan) {
  QString text = QStringLiteral("対象ファイル %1 個").arg(plan.entries.size());
  for (int each = 0; each <= static_cast<int>(core::kLastPlanOutcome); ++each) {
    const auto outcome = static_cast<core::PlanOutcome>(each);
    if (const std::size_t count = plan.CountOf(outcome)) {
      text += QStringLiteral("　%1 %2").arg(OutcomeCaption(outcome, false)).arg(count);
    }
  }
  return text + QStringLiteral("　（変換されないファイル %1 個）").arg(LeftCount(plan));
}

QString ResolveChainsCaption() {
  return QStringLiteral("順番待ちのファイルを一時的な名前に移して、衝突を解消する(&R)");
}

TfrmPreviewList::TfrmPreviewList(QWidget* parent) : QDialog(parent), m_model(new PlanListModel(this)) {
  setObjectName(QStringLiteral("frmPreviewList"));
  setFont(UiFont());
  setWindowTitle(QStringLiteral("変換プレビュー一覧"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  resize(640, 420);

  lstPreview = new QTableView(this);
  lstPreview->setObjectName(QStringLiteral("lstPreview"));
  SetUpLargeTableView(lstPreview, m_model);

  lblCounts = new QLabel(this);
  lblCounts->setObjectName(QStringLiteral("lblCounts"));
  lblCounts->setWordWrap(true);
  chkResolveChains = new QCheckBox(ResolveChainsCaption(), this);
  chkResolveChains->setObjectName(QStringLiteral("chkResolveChains"));
  chkResolveChains->setToolTip(
      QStringLiteral("実行内で名前が重複しているだけのときに使えます。どのファイルも上書きしません。"));
  chkResolveChains->hide();
  connect(chkResolveChains, &QCheckBox::toggled, this, &TfrmPreviewList::ResolveChainsToggled);
  btnClose = new QPushButton(QStringLiteral("閉じる"), this);
  btnClose->setObjectName(QStringLiteral("btnClose"));
  connect(btnClose, &QPushButton::clicked, this, &QDialog::close);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(lblCounts, 1);
  buttons->addWidget(btnClose);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lstPreview, 1);
  layout->addWidget(chkResolveChains);
  layout->addLayout(buttons);
}

void TfrmPreviewList::ShowPlan(core::RunPlan plan, ChainOffer chains) {
  {
    const QSignalBlocker quiet(chkResolveChains);
    chkResolveChains->setChecked(chains.on);
  }
  chkResolveChains->setVisible(chains.Shown());
  lblCounts->setText(PlanCountsText(plan));
  m_model->SetPlan(std::move(plan));
}

const core::RunPlan& TfrmPreviewList::Plan() const { return m_model->Plan(); }

void TfrmPreviewList::ShowNoPlan(const QString& why) {
  chkResolveChains->hide();
  m_model->SetPlan({});
  lblCounts->setText(why);
}

}  // namespace morvane::gui
