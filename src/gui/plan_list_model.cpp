#include "gui/plan_list_model.h"

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QStyle>
#include <algorithm>

#include "core/names/path_rules.h"
#include "gui/qt_text.h"

namespace morvane::gui {
namespace {

using core::PlanOutcome;

// A conflict or a failure, which the person will want to look at first.
bool IsProblem(PlanOutcome outcome) {
  return outcome == PlanOutcome::Taken || outcome == PlanOutcome::TakenByRun ||
         outcome == PlanOutcome::Failed || outcome == PlanOutcome::Missing ||
         outcome == PlanOutcome::PathTooLong;
}

QString NameOf(const std::string& path) {
  return path.empty() ? QString() : ToQString(core::ExtractFileName(path, core::PathSyntax::Posix));
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

void PlanListModel::SetPlan(core::RunPlan plan) {
  beginResetModel();
  m_plan = std::move(plan);
  endResetModel();
}

int PlanListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_plan.entries.size());
}

int PlanListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant PlanListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || static_cast<std::size_t>(index.row()) >= m_plan.entries.size()) return {};
  const core::PlanEntry& entry = m_plan.entries[static_cast<std::size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole:
      if (index.column() == kCurrentName) return NameOf(entry.source);
      if (index.column() == kNewName) return NameOf(entry.newPath);
      return OutcomeCaption(entry.outcome, entry.asked);
    case Qt::ToolTipRole:
      if (index.column() == kCurrentName) return ToQString(entry.source);
      if (index.column() == kNewName) return ToQString(entry.newPath);
      return {};
    case Qt::DecorationRole:
      if (index.column() != kOutcome || !LeavesFile(entry.outcome)) return {};
      return QApplication::style()->standardIcon(IsProblem(entry.outcome) ? QStyle::SP_MessageBoxWarning
                                                                          : QStyle::SP_MessageBoxInformation);
    case Qt::ForegroundRole:
      if (IsProblem(entry.outcome)) return QBrush(QColor(0xB0, 0x00, 0x20));
      if (LeavesFile(entry.outcome)) return QBrush(QColor(0x60, 0x60, 0x60));
      return {};
    default:
      return {};
  }
}

QVariant PlanListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case kCurrentName:
      return QStringLiteral("現在の名前");
    case kNewName:
      return QStringLiteral("新しい名前");
    case kOutcome:
      return QStringLiteral("結果");
    default:
      return {};
  }
}

}  // namespace morvane::gui
