#pragma once

#include <QAbstractTableModel>
#include <QBrush>
#include <QStringList>
#include <cstddef>
#include <string>

class QTableView;

namespace morvane::gui {

// A table of one row per file, for the plan window and the undo dialog: the rows are read
// from the subclass's data on demand, so that 100,000 rows cost nothing until shown. The
// subclass keeps the rows and tells how many there are and what each cell shows.
class LargeTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // The captions of the columns, left to right.
  LargeTableModel(QStringList headers, QObject* parent);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 protected:
  virtual std::size_t RowCount() const = 0;
  // What the cell of a row that exists shows in the role (nothing: an empty QVariant).
  virtual QVariant Cell(std::size_t row, int column, int role) const = 0;

 private:
  QStringList m_headers;
};

// Shows a large table: whole rows selected, nothing edited, one height for every row and
// no measuring of contents, so that 100,000 rows show at once; the two name columns
// first, the last column taking the rest of the width.
void SetUpLargeTableView(QTableView* view, LargeTableModel* model);

// The name part of a path as a cell shows it (the whole path is its tool tip).
QString FileNameCell(const std::string& path);
// The colour of the rows of a file that has a problem the person will want to look at.
QBrush ProblemBrush();

}  // namespace morvane::gui
