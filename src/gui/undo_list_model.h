#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "core/undo/undo_run.h"

namespace morvane::gui {

// The rows of the undo dialog: what undo will do with each change of the run, newest
// first: where the file is now, the name it had before the run, and what undo does with
// it or why it leaves it. The files undo will leave stand out by a colour and an icon.
class UndoListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kCurrentName, kOldName, kOutcome, kColumns };

  explicit UndoListModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

  void SetEntries(std::vector<core::UndoEntry> entries);
  const std::vector<core::UndoEntry>& Entries() const { return m_entries; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  std::vector<core::UndoEntry> m_entries;
};

// What undo does with the file ("元の名前に戻す", ...) or why it leaves it.
QString UndoOutcomeCaption(core::UndoResult result);
// True for the results that take the change back.
bool UndoesChange(core::UndoResult result);

}  // namespace morvane::gui
