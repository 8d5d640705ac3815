#include "gui/undo_list_model.h"

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QStyle>

#include "core/names/path_rules.h"
#include "gui/qt_text.h"

namespace morvane::gui {
namespace {

using core::UndoResult;

QString NameOf(const std::string& path) {
  return path.empty() ? QString() : ToQString(core::ExtractFileName(path, core::PathSyntax::Posix));
}

// The old name as the result file writes it: the name alone when the file goes back into
// the folder it is in now, the whole path when undo moves it to another folder.
QString OldNameOf(const core::UndoEntry& entry) {
  if (entry.restored.empty()) return {};
  const bool sameFolder = core::FolderPartOf(entry.current, core::PathSyntax::Posix) ==
                          core::FolderPartOf(entry.restored, core::PathSyntax::Posix);
  return sameFolder ? NameOf(entry.restored) : ToQString(entry.restored);
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

void UndoListModel::SetEntries(std::vector<core::UndoEntry> entries) {
  beginResetModel();
  m_entries = std::move(entries);
  endResetModel();
}

int UndoListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_entries.size());
}

int UndoListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant UndoListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || static_cast<std::size_t>(index.row()) >= m_entries.size()) return {};
  const core::UndoEntry& entry = m_entries[static_cast<std::size_t>(index.row())];
  const bool left = !UndoesChange(entry.result);
  switch (role) {
    case Qt::DisplayRole:
      if (index.column() == kCurrentName) return NameOf(entry.current);
      if (index.column() == kOldName) return OldNameOf(entry);
      return UndoOutcomeCaption(entry.result);
    case Qt::ToolTipRole:
      if (index.column() == kCurrentName) return ToQString(entry.current);
      if (index.column() == kOldName) return ToQString(entry.restored);
      return {};
    case Qt::DecorationRole:
      if (index.column() != kOutcome || !left) return {};
      return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    case Qt::ForegroundRole:
      return left ? QVariant(QBrush(QColor(0xB0, 0x00, 0x20))) : QVariant();
    default:
      return {};
  }
}

QVariant UndoListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case kCurrentName:
      return QStringLiteral("現在の名前");
    case kOldName:
      return QStringLiteral("元の名前");
    case kOutcome:
      return QStringLiteral("処理");
    default:
      return {};
  }
}

}  // namespace morvane::gui
