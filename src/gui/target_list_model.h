#pragma once

#include <QAbstractListModel>

#include "core/targets/target_list.h"

namespace morvane::gui {

// Shows the entries of a target list in a list view: one row per entry, its path
// converted from the active code page for display only. The list itself stays in core;
// after it changes, Reset() lets the view read it again.
class TargetListModel : public QAbstractListModel {
  Q_OBJECT

 public:
  explicit TargetListModel(const core::TargetList& list, QObject* parent = nullptr)
      : QAbstractListModel(parent), m_list(list) {}

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  Qt::DropActions supportedDragActions() const override { return Qt::MoveAction | Qt::CopyAction; }
  Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }

  void Reset();
  // The list's hint, shown over every row (empty: none).
  void SetHint(const QString& hint) { m_hint = hint; }

 private:
  const core::TargetList& m_list;
  QString m_hint;
};

}  // namespace morvane::gui
