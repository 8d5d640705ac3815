#include "gui/undo_list_model.h"

#include <QApplication>
#include <QStyle>

#include "core/names/path_rules.h"
#include "gui/qt_text.h"

namespace morvane::gui {
namespace {

using core::UndoResult;

// The old name as the result file writes it: the name alone when the file goes back into
// the folder it is in now, the whole path when undo moves it to another folder.
QString OldNameOf(const core::UndoEntry& entry) {
  if (entry.restored.empty()) return {};
  const bool sameFolder = core::FolderPartOf(entry.current, core::PathSyntax::Posix) ==
                          core::FolderPartOf(entry.restored, core::PathSyntax::Posix);
  return sameFolder ? FileNameCell(entry.restored) : ToQString(entry.restored);
}

}  // namespace

bool UndoesChange(UndoResult result) {
  switch (result) {
    case UndoResult::RenamedBack:
    case UndoResult::CopyRemoved:
    case UndoResult::FormerRestored:
    case UndoResult::CopiedAgain:
      return true;
    default:
      return false;
  }
}

QString UndoOutcomeCaption(UndoResult result) {
  switch (result) {
    case UndoResult::RenamedBack:
      return QStringLiteral("元の名前に戻す");
    case UndoResult::CopyRemoved:
      return QStringLiteral("コピーを削除");
    case UndoResult::FormerRestored:
      return QStringLiteral("上書き前の内容に戻す");
    case UndoResult::CopiedAgain:
      return QStringLiteral("コピーし直す");
    case UndoResult::NotMade:
      return QStringLiteral("実行されていない");
    case UndoResult::NameTaken:
      return QStringLiteral("元の名前が使用中");
    case UndoResult::Changed:
      return QStringLiteral("実行の後に変更された");
    case UndoResult::Vanished:
      return QStringLiteral("見つからない");
    case UndoResult::NotKept:
      return QStringLiteral("上書き前の内容がない");
    case UndoResult::Unsure:
      return QStringLiteral("実行されたか不明");
    case UndoResult::OutsideRun:
      return QStringLiteral("実行したフォルダーの外");
    case UndoResult::Failed:
      break;
  }
  return QStringLiteral("失敗");
}

UndoListModel::UndoListModel(QObject* parent)
    : LargeTableModel({QStringLiteral("現在の名前"), QStringLiteral("元の名前"), QStringLiteral("処理")},
                      parent) {}

void UndoListModel::SetEntries(std::vector<core::UndoEntry> entries) {
  beginResetModel();
  m_entries = std::move(entries);
  endResetModel();
}

QVariant UndoListModel::Cell(std::size_t row, int column, int role) const {
  const core::UndoEntry& entry = m_entries[row];
  const bool left = !UndoesChange(entry.result);
  switch (role) {
    case Qt::DisplayRole:
      if (column == kCurrentName) return FileNameCell(entry.current);
      if (column == kOldName) return OldNameOf(entry);
      return UndoOutcomeCaption(entry.result);
    case Qt::ToolTipRole:
      if (column == kCurrentName) return ToQString(entry.current);
      if (column == kOldName) return ToQString(entry.restored);
      return {};
    case Qt::DecorationRole:
      if (column != kOutcome || !left) return {};
      return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    case Qt::ForegroundRole:
      return left ? QVariant(ProblemBrush()) : QVariant();
    default:
      return {};
  }
}

}  // namespace morvane::gui
