#include "gui/target_list_model.h"

#include "gui/qt_text.h"

namespace morvane::gui {

int TargetListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_list.Size());
}

QVariant TargetListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || static_cast<std::size_t>(index.row()) >= m_list.Size()) return {};
  if (role == Qt::DisplayRole) return ToQString(m_list.At(static_cast<std::size_t>(index.row())));
  if (role == Qt::ToolTipRole && !m_hint.isEmpty()) return m_hint;
  return {};
}

Qt::ItemFlags TargetListModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  // Rows can be dragged; whether a drag starts is the view's arrangement.
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

void TargetListModel::Reset() {
  beginResetModel();
  endResetModel();
}

}  // namespace morvane::gui
