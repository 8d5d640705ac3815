#include "gui/plan_list_model.h"

#include <QApplication>
#include <QColor>
#include <QStyle>
#include <algorithm>

#include "gui/qt_text.h"

namespace morvane::gui {
namespace {

using core::PlanOutcome;

// A conflict or a failure, which the person will want to look at first.
bool IsProblem(PlanOutcome outcome) {
  return outcome == PlanOutcome::Taken || outcome == PlanOutcome::TakenByRun ||
         outcome == PlanOutcome::Failed || outcome == PlanOutcome::Missing ||
         outcome == PlanOutcome::PathTooLong || outcome == PlanOutcome::Unconvertible ||
         outcome == PlanOutcome::MatchLimit;
}

}  // namespace

bool LeavesFile(PlanOutcome outcome) {
  switch (outcome) {
    case PlanOutcome::Renamed:
    case PlanOutcome::Copied:
    case PlanOutcome::Overwritten:
    case PlanOutcome::AlreadyNamed:
      return false;
    default:
      return true;
  }
}

std::size_t LeftCount(const core::RunPlan& plan) {
  return static_cast<std::size_t>(std::ranges::count_if(
      plan.entries, [](const core::PlanEntry& entry) { return LeavesFile(entry.outcome); }));
}

QString OutcomeCaption(PlanOutcome outcome, bool asked) {
  switch (outcome) {
    case PlanOutcome::Renamed:
      return QStringLiteral("リネーム");
    case PlanOutcome::Copied:
      return QStringLiteral("コピー");
    case PlanOutcome::Overwritten:
      return QStringLiteral("上書き");
    case PlanOutcome::AlreadyNamed:
      return QStringLiteral("変更なし");
    case PlanOutcome::Taken:
      return asked ? QStringLiteral("名前が使用中（確認あり）") : QStringLiteral("名前が使用中");
    case PlanOutcome::Protected:
      return QStringLiteral("保護するファイル");
    case PlanOutcome::Filtered:
      return QStringLiteral("指定外の拡張子");
    case PlanOutcome::Missing:
      return QStringLiteral("存在しない");
    case PlanOutcome::PathTooLong:
      return QStringLiteral("パスが長すぎる");
    case PlanOutcome::TextNotFound:
      return QStringLiteral("文字列 A なし");
    case PlanOutcome::NothingToConvert:
      return QStringLiteral("変換する文字なし");
    case PlanOutcome::Unconvertible:
      return QStringLiteral("変換できない名前");
    case PlanOutcome::MatchLimit:
      return QStringLiteral("照合が制限回数を超えた");
    case PlanOutcome::TakenByRun:
      return asked ? QStringLiteral("実行内で名前が重複（確認あり）") : QStringLiteral("実行内で名前が重複");
    case PlanOutcome::OverMaximum:
      return QStringLiteral("番号の最大値を超える");
    case PlanOutcome::NotReached:
      return QStringLiteral("中止により未処理");
    case PlanOutcome::Failed:
      break;
  }
  return QStringLiteral("失敗");
}

PlanListModel::PlanListModel(QObject* parent)
    : LargeTableModel({QStringLiteral("現在の名前"), QStringLiteral("新しい名前"), QStringLiteral("結果")},
                      parent) {}

void PlanListModel::SetPlan(core::RunPlan plan) {
  beginResetModel();
  m_plan = std::move(plan);
  endResetModel();
}

QVariant PlanListModel::Cell(std::size_t row, int column, int role) const {
  const core::PlanEntry& entry = m_plan.entries[row];
  switch (role) {
    case Qt::DisplayRole:
      if (column == kCurrentName) return FileNameCell(entry.source);
      if (column == kNewName) return FileNameCell(entry.newPath);
      if (entry.modifiedStandsIn)
        return OutcomeCaption(entry.outcome, entry.asked) + QStringLiteral("（撮影日時なし：更新日時）");
      return OutcomeCaption(entry.outcome, entry.asked);
    case Qt::ToolTipRole:
      if (column == kCurrentName) return ToQString(entry.source);
      if (column == kNewName) return ToQString(entry.newPath);
      return {};
    case Qt::DecorationRole:
      if (column != kOutcome || !LeavesFile(entry.outcome)) return {};
      return QApplication::style()->standardIcon(IsProblem(entry.outcome) ? QStyle::SP_MessageBoxWarning
                                                                          : QStyle::SP_MessageBoxInformation);
    case Qt::ForegroundRole:
      if (IsProblem(entry.outcome)) return ProblemBrush();
      if (LeavesFile(entry.outcome)) return QBrush(QColor(0x60, 0x60, 0x60));
      return {};
    default:
      return {};
  }
}

}  // namespace morvane::gui
