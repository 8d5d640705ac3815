#pragma once

#include <vector>

#include "core/undo/undo_run.h"
#include "gui/large_table.h"

namespace morvane::gui {

// The rows of the undo dialog: what undo will do with each change of the run, newest
// first: where the file is now, the name it had before the run, and what undo does with
// it or why it leaves it. The files undo will leave stand out by a colour and an icon.
class UndoListModel : public LargeTableModel {
  Q_OBJECT

 public:
  enum Column { kCurrentName, kOldName, kOutcome, kColumns };

  explicit UndoListModel(QObject* parent = nullptr);

  void SetEntries(std::vector<core::UndoEntry> entries);
  const std::vector<core::UndoEntry>& Entries() const { return m_entries; }

 private:
  std::size_t RowCount() const override { return m_entries.size(); }
  QVariant Cell(std::size_t row, int column, int role) const override;

  std::vector<core::UndoEntry> m_entries;
};

// What undo does with the file ("元の名前に戻す", ...) or why it leaves it.
QString UndoOutcomeCaption(core::UndoResult result);
// True for the results that take the change back.
bool UndoesChange(core::UndoResult result);

}  // namespace morvane::gui
