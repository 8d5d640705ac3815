#include "gui/large_table.h"

#include <QColor>
#include <QHeaderView>
#include <QTableView>
#include <utility>

#include "core/names/path_rules.h"
#include "gui/qt_text.h"

namespace morvane::gui {
namespace {

constexpr int kNameColumnWidth = 190;

}  // namespace

LargeTableModel::LargeTableModel(QStringList headers, QObject* parent)
    : QAbstractTableModel(parent), m_headers(std::move(headers)) {}

int LargeTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(RowCount());
}

int LargeTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_headers.size());
}

QVariant LargeTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || static_cast<std::size_t>(index.row()) >= RowCount()) return {};
  return Cell(static_cast<std::size_t>(index.row()), index.column(), role);
}

QVariant LargeTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  if (section < 0 || section >= m_headers.size()) return {};
  return m_headers[section];
}

void SetUpLargeTableView(QTableView* view, LargeTableModel* model) {
  view->setModel(model);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->verticalHeader()->hide();
  view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
  view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  view->horizontalHeader()->setStretchLastSection(true);
  view->setColumnWidth(0, kNameColumnWidth);
  view->setColumnWidth(1, kNameColumnWidth);
}

QString FileNameCell(const std::string& path) {
  return path.empty() ? QString() : ToQString(core::ExtractFileName(path, core::PathSyntax::Posix));
}

QBrush ProblemBrush() { return QBrush(QColor(0xB0, 0x00, 0x20)); }

}  // namespace morvane::gui
