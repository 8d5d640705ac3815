// The target list's view, selection, moves and status; the ways in are in
// target_list_ways_in.cpp.
#include "gui/target_list_part.h"

#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QDragMoveEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMimeData>
#include <QUrl>

#include "core/targets/status_texts.h"
#include "core/targets/ways_in.h"
#include "gui/combo_items.h"
#include "gui/qt_text.h"
#include "gui/target_list_model.h"

namespace morvane::gui {
namespace {

bool IsEnterKey(QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<QKeyEvent*>(event)->key();
  return key == Qt::Key_Return || key == Qt::Key_Enter;
}

const QString kUriListType = QStringLiteral("text/uri-list");

int RowHeight(const QListView* list) { return list->sizeHintForRow(0); }

std::size_t TopRow(const QListView* list) {
  const int row = list->indexAt(QPoint(1, 1)).row();
  return row < 0 ? 0 : static_cast<std::size_t>(row);
}

// A file URL of the path's bytes, absolute, without a round trip through text.
QUrl FileUrlOf(const std::string& path) {
  QByteArray bytes = QByteArray::fromStdString(path);
  if (!bytes.startsWith('/')) bytes.prepend(QFile::encodeName(QDir::currentPath()) + '/');
  return QUrl::fromEncoded("file://" + bytes.toPercentEncoding("/"), QUrl::StrictMode);
}

}  // namespace

TargetListPart::TargetListPart(const TargetListControls& controls, TargetListHost& host,
                               core::FileSystem& fileSystem, const TargetListDialogs& dialogs,
                               QObject* parent)
    : QObject(parent),
      m_controls(controls),
      m_host(host),
      m_fileSystem(fileSystem),
      m_dialogs(dialogs),
      m_model(new TargetListModel(m_targets, this)) {
  QListView* list = m_controls.list;
  list->setModel(m_model);
  // One height for every row, so that a list of 100,000 paths lays out at once.
  list->setUniformItemSizes(true);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setDefaultDropAction(Qt::MoveAction);
  connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &TargetListPart::TakeSelectionFromView);
  connect(
      list->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        if (m_pushingSelection) return;
        m_targets.SetCurrent(current.isValid() ? std::optional<std::size_t>(current.row()) : std::nullopt);
      });
  ConnectCommands();
}

// A file manager's drop anywhere on the window that does not take it itself.
bool TargetListPart::FilterWindowDrop(QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
  auto* drop = static_cast<QDropEvent*>(event);
  if (!drop->mimeData()->hasFormat(kUriListType)) return false;
  drop->acceptProposedAction();
  if (type == QEvent::Drop) AddDrop(*drop->mimeData());
  return true;
}

bool TargetListPart::FilterEvent(QObject* watched, QEvent* event) {
  // Only pointers are compared here: events still arrive while the window's widgets are
  // being destroyed.
  QListView* list = m_controls.list;
  if (watched == m_window) return FilterWindowDrop(event);
  if (watched == m_controls.pathField && IsEnterKey(event)) {
    AddTypedPath();
    return true;
  }
  if (watched == list && IsEnterKey(event)) {
    OpenFirstSelected();
    return true;
  }
  const bool inList = watched == list || watched == m_viewport;
  // The list accepts every drag of its own rows over it: the view would ask the model,
  // which takes no drops, and refuse them, so that the release only cancelled the drag.
  if (inList && (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove)) {
    auto* drag = static_cast<QDragMoveEvent*>(event);
    if (drag->source() != list || !m_host.InUserOrderState()) return false;
    drag->setDropAction(Qt::MoveAction);
    drag->accept();
    return true;
  }
  // A drag inside the list may be delivered to the list or to its viewport.
  if (inList && event->type() == QEvent::Drop) {
    auto* drop = static_cast<QDropEvent*>(event);
    if (drop->source() != list) return false;
    const QPoint at = list->viewport()->mapFrom(static_cast<QWidget*>(watched), drop->position().toPoint());
    DragDropped(list->currentIndex().row(), at.y());
    // The list has moved the entry itself; a move action would make the view remove it.
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    return true;
  }
  if (watched != m_viewport) return false;
  if (event->type() == QEvent::MouseButtonPress) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::RightButton) return false;
    // Eaten, so that the view does not change the selection itself.
    RightClickAt(static_cast<int>(mouse->position().y()));
    return true;
  }
  return false;
}

void TargetListPart::Show() {
  m_host.ListChanged();
  m_model->Reset();
  PushSelectionToView();
  if (const auto current = m_targets.Current())
    m_controls.list->scrollTo(m_model->index(static_cast<int>(*current)));
}

void TargetListPart::PushSelectionToView() {
  QItemSelection selection;
  const std::size_t count = m_targets.Size();
  std::size_t runStart = count;
  for (std::size_t i = 0; i <= count; ++i) {
    const bool selected = i < count && m_targets.IsSelected(i);
    if (selected && runStart == count) runStart = i;
    if (!selected && runStart != count) {
      selection.select(m_model->index(static_cast<int>(runStart)), m_model->index(static_cast<int>(i - 1)));
      runStart = count;
    }
  }
  m_pushingSelection = true;
  QItemSelectionModel* model = m_controls.list->selectionModel();
  model->select(selection, QItemSelectionModel::ClearAndSelect);
  const auto current = m_targets.Current();
  model->setCurrentIndex(current ? m_model->index(static_cast<int>(*current)) : QModelIndex(),
                         QItemSelectionModel::NoUpdate);
  m_pushingSelection = false;
}

void TargetListPart::TakeSelectionFromView(const QItemSelection& selected, const QItemSelection& deselected) {
  if (m_pushingSelection) return;
  auto take = [this](const QItemSelection& ranges, bool isSelected) {
    for (const QItemSelectionRange& range : ranges) {
      for (int row = range.top(); row <= range.bottom(); ++row) {
        if (static_cast<std::size_t>(row) < m_targets.Size()) m_targets.SetSelected(row, isSelected);
      }
    }
  };
  take(deselected, false);
  take(selected, true);
  RefreshSelectionInfo();
}

void TargetListPart::ApplyArrangement() {
  const bool userOrder = m_host.InUserOrderState();
  QListView* list = m_controls.list;
  list->setSelectionMode(userOrder ? QAbstractItemView::SingleSelection
                                   : QAbstractItemView::ExtendedSelection);
  list->setDragDropMode(userOrder ? QAbstractItemView::InternalMove : QAbstractItemView::NoDragDrop);
  m_controls.folderButton->setEnabled(!userOrder);
  if (userOrder && m_targets.SelectedCount() > 1) {
    m_targets.KeepOneSelected();
    PushSelectionToView();
  }
  if (!userOrder) SetMoveCommandsEnabled(false);
}

void TargetListPart::EnableListCommands(bool enabled) {
  m_controls.clearButton->setEnabled(enabled);
  m_controls.clearItem->setEnabled(enabled);
  m_controls.startButton->setEnabled(enabled);
}

void TargetListPart::SetMoveCommandsEnabled(bool enabled) {
  for (QWidget* button : m_controls.moveButtons) button->setEnabled(enabled);
  for (QAction* item : m_controls.moveItems) item->setEnabled(enabled);
}

void TargetListPart::RemoveSelected() {
  if (m_targets.RemoveSelected()) m_controls.pathField->setEditText(QString());
  Show();
  if (m_targets.Empty()) EnableListCommands(false);
  RefreshSelectionInfo();
}

void TargetListPart::MoveCurrent(void (core::TargetList::*move)()) {
  if (!m_host.InUserOrderState() || m_targets.SelectedCount() == 0) return;
  (m_targets.*move)();
  Show();
}

void TargetListPart::OpenFirstSelected() {
  const std::optional<std::size_t> first = m_targets.FirstSelected();
  if (!first) return;
  const std::string& path = m_targets.At(*first);
  // The result is not checked: a failing open is not reported.
  if (m_shellOpener) {
    m_shellOpener(path);
  } else {
    QDesktopServices::openUrl(FileUrlOf(path));
  }
}

void TargetListPart::RightClickAt(int y) {
  QListView* list = m_controls.list;
  if (m_host.InUserOrderState()) {
    if (const auto row = core::RowAtHeight(y, RowHeight(list), TopRow(list), m_targets.Size())) {
      m_targets.SelectOnly(*row);
    } else {
      m_targets.ClearSelection();
      m_targets.SetCurrent(std::nullopt);
    }
    PushSelectionToView();
  }
  RefreshSelectionInfo();
}

void TargetListPart::DragDropped(int sourceRow, int y) {
  if (!m_host.InUserOrderState() || sourceRow < 0 ||
      static_cast<std::size_t>(sourceRow) >= m_targets.Size()) {
    return;
  }
  const auto source = static_cast<std::size_t>(sourceRow);
  QListView* list = m_controls.list;
  m_targets.Move(source, core::DropTargetRow(y, RowHeight(list), TopRow(list), m_targets.Size(), source));
  Show();
}

// Recomputed from the list and the file system every time; nothing is cached. Only rows
// that a way in has measured a moment ago, as it added them, are not asked about again.
void TargetListPart::RefreshSelectionInfo(const core::MeasuredRows& measured) {
  const core::SelectionSummary summary = core::SummarizeSelection(m_targets, m_fileSystem);
  const bool anySelected = summary.count > 0;
  m_controls.removeButton->setEnabled(anySelected);
  m_controls.removeItem->setEnabled(anySelected);
  m_controls.openItem->setEnabled(anySelected);
  SetMoveCommandsEnabled(anySelected && m_host.InUserOrderState());
  if (!anySelected) {
    if (m_targets.Empty()) {
      ShowFreeSpace();
    } else {
      ShowListTotals(measured);
    }
    SetHint(QString());
    return;
  }
  const std::string& first = m_targets.At(*summary.first);
  if (summary.count == 1) {
    ShowItemInfo(first);
  } else {
    m_controls.statusPanel->setText(
        ToQString(core::SelectedFilesText(summary.count, summary.totalBytes, core::ActiveCodePage())));
  }
  SetEditTextBytes(m_controls.pathField, first);
  SetHint(ToQString(first));
}

// Over the rows as well as over the empty part of the list.
void TargetListPart::SetHint(const QString& hint) {
  m_controls.list->setToolTip(hint);
  m_model->SetHint(hint);
}

void TargetListPart::ShowItemInfo(const std::string& path) {
  m_controls.statusPanel->setText(ToQString(core::ItemInfoText(path, m_fileSystem, core::ActiveCodePage())));
}

void TargetListPart::ShowListTotals(const core::MeasuredRows& measured) {
  m_controls.statusPanel->setText(ToQString(core::AllFilesTotalsText(
      m_targets.Size(), core::TotalFileBytes(m_targets, m_fileSystem, measured), core::ActiveCodePage())));
}

void TargetListPart::ShowFreeSpace() {
  const QString text = ToQString(core::FreeSpaceText(m_fileSystem, core::ActiveCodePage()));
  m_controls.statusPanel->setText(text);
  m_controls.statusBar->setToolTip(text);
}

}  // namespace morvane::gui
