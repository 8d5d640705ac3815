// The target list: the view that shows it, every way in and out, the list commands and
// the folder button.
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QSysInfo>
#include <QUrl>
#include <utility>

#include "core/names/extension_filter.h"
#include "core/names/path_rules.h"
#include "core/names/protected_extensions.h"
#include "core/preview/field_history.h"
#include "core/targets/folder_walk.h"
#include "core/targets/ways_in.h"
#include "gui/busy_caption.h"
#include "gui/combo_items.h"
#include "gui/qt_text.h"
#include "gui/target_list_model.h"
#include "gui/untFolderSelect.h"
#include "gui/untMain.h"

namespace morvane::gui {
namespace keys = core::keys;

namespace {

constexpr std::size_t kMaxTargetFolders = 10;
// A long batch keeps the list painted, but never once per file.
constexpr int kRepaintIntervalMs = 50;
const QString kUriListType = QStringLiteral("text/uri-list");

bool IsEnterKey(QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<QKeyEvent*>(event)->key();
  return key == Qt::Key_Return || key == Qt::Key_Enter;
}

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

QString Warning(const char* text, const std::string& path) {
  return QString::fromUtf8(text) + ToQString(path);
}

}  // namespace

void TfrmMain::CreateTargetList() {
  m_targetModel = new TargetListModel(m_targets, this);
  lstChoiceFile->setModel(m_targetModel);
  // One height for every row, so that a list of 100,000 paths lays out at once.
  lstChoiceFile->setUniformItemSizes(true);
  lstChoiceFile->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lstChoiceFile->setDefaultDropAction(Qt::MoveAction);
}

void TfrmMain::ConnectTargetListHandlers() {
  connect(bitChoiceFiles, &QPushButton::clicked, this, &TfrmMain::bitChoiceFilesClick);
  connect(bitChoiceFolder, &QPushButton::clicked, this, &TfrmMain::bitChoiceFolderClick);
  connect(cboChoiceFile, &QComboBox::activated, this, &TfrmMain::cboChoiceFileClick);
  // A key goes to the focus widget, which is the combo box, not its line edit: the
  // combo hands the key to its line edit directly, past any filter there.
  cboChoiceFile->installEventFilter(this);
  const std::pair<QPushButton*, QAction*> commands[] = {
      {btnSelectFileDel, pmnCFSelectFileDel}, {btnListClear, pmnCFListClear},
      {bitListToTop, pmnCFListToTop},         {bitListUp, pmnCFListUp},
      {bitListDown, pmnCFListDown},           {bitListToBottom, pmnCFListToBottom},
  };
  void (TfrmMain::*handlers[])() = {&TfrmMain::btnSelectFileDelClick, &TfrmMain::btnListClearClick,
                                    &TfrmMain::bitListToTopClick,     &TfrmMain::bitListUpClick,
                                    &TfrmMain::bitListDownClick,      &TfrmMain::bitListToBottomClick};
  for (std::size_t i = 0; i < std::size(commands); ++i) {
    connect(commands[i].first, &QPushButton::clicked, this, handlers[i]);
    connect(commands[i].second, &QAction::triggered, this, handlers[i]);
  }
  connect(pmnCFStartProcess, &QAction::triggered, this, &TfrmMain::lstChoiceFileDblClick);
  connect(lstChoiceFile, &QAbstractItemView::doubleClicked, this, &TfrmMain::lstChoiceFileDblClick);
  connect(lstChoiceFile->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &TfrmMain::TakeSelectionFromView);
  connect(
      lstChoiceFile->selectionModel(), &QItemSelectionModel::currentChanged, this,
      [this](const QModelIndex& current) {
        if (m_pushingSelection) return;
        m_targets.SetCurrent(current.isValid() ? std::optional<std::size_t>(current.row()) : std::nullopt);
      });
  lstChoiceFile->installEventFilter(this);
  lstChoiceFile->viewport()->installEventFilter(this);
}

bool TfrmMain::TargetListEventFilter(QObject* watched, QEvent* event) {
  if (watched == cboChoiceFile && IsEnterKey(event)) {
    cboChoiceFileKeyPress();
    return true;
  }
  if (watched == lstChoiceFile && IsEnterKey(event)) {
    lstChoiceFileDblClick();
    return true;
  }
  const bool inList = watched == lstChoiceFile || watched == lstChoiceFile->viewport();
  // The list accepts every drag of its own rows over it: the view would ask the model,
  // which takes no drops, and refuse them, so that the release only cancelled the drag.
  if (inList && (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove)) {
    auto* drag = static_cast<QDragMoveEvent*>(event);
    if (drag->source() != lstChoiceFile || !InUserOrderState()) return false;
    drag->setDropAction(Qt::MoveAction);
    drag->accept();
    return true;
  }
  // A drag inside the list may be delivered to the list or to its viewport.
  if (inList && event->type() == QEvent::Drop) {
    auto* drop = static_cast<QDropEvent*>(event);
    if (drop->source() != lstChoiceFile) return false;
    const QPoint at =
        lstChoiceFile->viewport()->mapFrom(static_cast<QWidget*>(watched), drop->position().toPoint());
    lstChoiceFileDragDrop(lstChoiceFile->currentIndex().row(), at.y());
    // The list has moved the entry itself; a move action would make the view remove it.
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    return true;
  }
  if (watched != lstChoiceFile->viewport()) return false;
  if (event->type() == QEvent::MouseButtonPress) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::RightButton) return false;
    // Eaten, so that the view does not change the selection itself.
    lstChoiceFileMouseDown(Qt::RightButton, static_cast<int>(mouse->position().y()));
    return true;
  }
  return false;
}

void TfrmMain::ShowTargets() {
  m_targetModel->Reset();
  PushSelectionToView();
  if (const auto current = m_targets.Current())
    lstChoiceFile->scrollTo(m_targetModel->index(static_cast<int>(*current)));
}

void TfrmMain::PushSelectionToView() {
  QItemSelection selection;
  const std::size_t count = m_targets.Size();
  std::size_t runStart = count;
  for (std::size_t i = 0; i <= count; ++i) {
    const bool selected = i < count && m_targets.IsSelected(i);
    if (selected && runStart == count) runStart = i;
    if (!selected && runStart != count) {
      selection.select(m_targetModel->index(static_cast<int>(runStart)),
                       m_targetModel->index(static_cast<int>(i - 1)));
      runStart = count;
    }
  }
  m_pushingSelection = true;
  QItemSelectionModel* model = lstChoiceFile->selectionModel();
  model->select(selection, QItemSelectionModel::ClearAndSelect);
  const auto current = m_targets.Current();
  model->setCurrentIndex(current ? m_targetModel->index(static_cast<int>(*current)) : QModelIndex(),
                         QItemSelectionModel::NoUpdate);
  m_pushingSelection = false;
}

void TfrmMain::TakeSelectionFromView(const QItemSelection& selected, const QItemSelection& deselected) {
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
  lstChoiceFileClick();
}

void TfrmMain::EnableListCommands(bool enabled) {
  btnListClear->setEnabled(enabled);
  pmnCFListClear->setEnabled(enabled);
  btnStart->setEnabled(enabled);
}

void TfrmMain::SetMoveCommandsEnabled(bool enabled) {
  for (QWidget* button : {bitListToTop, bitListUp, bitListDown, bitListToBottom}) button->setEnabled(enabled);
  for (QAction* item : {pmnCFListToTop, pmnCFListUp, pmnCFListDown, pmnCFListToBottom})
    item->setEnabled(enabled);
}

void TfrmMain::AppendTarget(const std::string& path) {
  m_targets.Append(path);
  ShowTargets();
}

void TfrmMain::AppendTargetUnique(const std::string& path) {
  m_targets.AppendUnique(path);
  ShowTargets();
}

void TfrmMain::RememberTargetFolder(const std::string& folder) {
  std::vector<std::string> items = AllItemBytes(cboChoiceFile);
  core::RememberInFieldHistory(items, 0, kMaxTargetFolders, folder);
  SetItemBytes(cboChoiceFile, items);
  SetEditTextBytes(cboChoiceFile, folder);
}

void TfrmMain::ClearTargetList() {
  m_targets.Clear();
  ShowTargets();
  cboChoiceFile->setEditText(QString());
  // With the list empty, this also shows the free space and switches the hint off.
  RefreshSelectionInfo();
  EnableListCommands(false);
}

void TfrmMain::btnListClearClick() { ClearTargetList(); }

void TfrmMain::bitChoiceFilesClick() {
  const std::string filter = core::FileDialogFilter(ToBytes(cboExtension->currentText()));
  std::vector<std::string> chosen = m_fileDialogs.ChooseFiles(m_fileDialogFolder, ToQString(filter));
  if (chosen.empty()) return;
  const std::string folder = core::FolderPart(chosen.front());
  if (!WriteSettings([&](core::IniDocument& document) { document.Write(keys::kDefaultFileFolder, folder); }))
    return;
  m_fileDialogFolder = folder;
  if (chosen.size() >= 2) std::swap(chosen.front(), chosen.back());
  {
    const BusyCaption busy(this, StoringFileListCaption());
    QElapsedTimer sincePaint;
    sincePaint.start();
    for (const std::string& path : chosen) {
      m_targets.Append(path);
      if (sincePaint.elapsed() >= kRepaintIntervalMs) {
        ShowTargets();
        lstChoiceFile->viewport()->repaint();
        sincePaint.restart();
      }
    }
    ShowTargets();
  }
  cboChoiceFile->setEditText(QString());
  RefreshSelectionInfo();
  EnableListCommands(true);
}

void TfrmMain::cboChoiceFileKeyPress() {
  const std::string typed = EditTextBytes(cboChoiceFile);
  const core::ExtensionFilter filter = core::BuildExtensionFilter(ToBytes(cboExtension->currentText()));
  const core::ProtectedExtensions protectedExtensions = core::LoadProtectedExtensions(m_settings);
  switch (core::ClassifyTypedPath(typed, m_fileSystem, filter, protectedExtensions, InUserOrderState())) {
    case core::TypedPath::Empty:
      bitChoiceFiles->setFocus();
      return;
    case core::TypedPath::NotInFilter:
      m_messages.Show(MessageKind::Warning,
                      Warning("変換するファイルの種類にない拡張子のファイルです！\r\n", typed));
      return;
    case core::TypedPath::Protected:
      m_messages.Show(MessageKind::Warning,
                      Warning("保護するファイルの種類に指定された拡張子のファイルです！\r\n", typed));
      return;
    case core::TypedPath::IgnoredFolder:
      return;
    case core::TypedPath::Missing:
      m_messages.Show(MessageKind::Warning, Warning("存在しないファイル・フォルダです！\r\n", typed));
      cboChoiceFile->setFocus();
      return;
    case core::TypedPath::Folder:
      RememberTargetFolder(typed);
      cboChoiceFile->setFocus();
      break;
    case core::TypedPath::File:
      break;
  }
  AppendTargetUnique(typed);
  cboChoiceFile->setEditText(QString());
  cboChoiceFile->setFocus();
  RefreshSelectionInfo();
  EnableListCommands(true);
}

void TfrmMain::cboChoiceFileClick(int index) {
  if (InUserOrderState() || index < 0) return;
  const std::string item = ItemBytes(cboChoiceFile, index);
  AppendTargetUnique(item);
  RememberTargetFolder(item);
  cboChoiceFile->setEditText(QString());
  cboChoiceFile->setFocus();
  RefreshSelectionInfo();
  EnableListCommands(true);
}

void TfrmMain::StoreDroppedPaths(const std::vector<std::string>& paths) {
  {
    const BusyCaption busy(this, StoringFileListCaption());
    const core::TargetsToAdd added = core::SortDroppedPaths(
        paths, m_fileSystem, core::BuildExtensionFilter(ToBytes(cboExtension->currentText())),
        InUserOrderState());
    for (const std::string& entry : added.entries) m_targets.Append(entry);
    for (const std::string& folder : added.folders) RememberTargetFolder(folder);
    ShowTargets();
  }
  cboChoiceFile->setEditText(QString());
  RefreshSelectionInfo();
  if (!m_targets.Empty()) EnableListCommands(true);
  // To the front, where the user dropped; a stay-on-top flag would re-create the window.
  raise();
  activateWindow();
}

void TfrmMain::FormDragDrop(const QMimeData& data) {
  const QByteArray uriList = data.data(kUriListType);
  StoreDroppedPaths(core::LocalPathsOfUriList(std::string_view(uriList.constData(), uriList.size()),
                                              QSysInfo::machineHostName().toStdString()));
}

void TfrmMain::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasFormat(kUriListType)) event->acceptProposedAction();
}

void TfrmMain::dragMoveEvent(QDragMoveEvent* event) {
  if (event->mimeData()->hasFormat(kUriListType)) event->acceptProposedAction();
}

void TfrmMain::dropEvent(QDropEvent* event) {
  if (!event->mimeData()->hasFormat(kUriListType)) return;
  event->acceptProposedAction();
  FormDragDrop(*event->mimeData());
}

void TfrmMain::StoreCommandLine(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return;
  {
    const BusyCaption busy(this, StoringFileListCaption());
    const core::TargetsToAdd added = core::CommandLineTargets(arguments, m_fileSystem);
    m_targets.InsertEachAtTop(added.entries);
    for (const std::string& folder : added.folders) RememberTargetFolder(folder);
    ShowTargets();
  }
  cboChoiceFile->setEditText(QString());
  if (m_targets.Empty()) return;
  RefreshSelectionInfo();
  EnableListCommands(true);
}

void TfrmMain::btnSelectFileDelClick() {
  if (m_targets.RemoveSelected()) cboChoiceFile->setEditText(QString());
  ShowTargets();
  if (m_targets.Empty()) EnableListCommands(false);
  RefreshSelectionInfo();
}

void TfrmMain::MoveCurrentEntry(void (core::TargetList::*move)()) {
  if (!InUserOrderState() || m_targets.SelectedCount() == 0) return;
  (m_targets.*move)();
  ShowTargets();
}

void TfrmMain::bitListToTopClick() { MoveCurrentEntry(&core::TargetList::MoveToTop); }
void TfrmMain::bitListUpClick() { MoveCurrentEntry(&core::TargetList::MoveUp); }
void TfrmMain::bitListDownClick() { MoveCurrentEntry(&core::TargetList::MoveDown); }
void TfrmMain::bitListToBottomClick() { MoveCurrentEntry(&core::TargetList::MoveToBottom); }

void TfrmMain::lstChoiceFileClick() { RefreshSelectionInfo(); }

void TfrmMain::lstChoiceFileDblClick() {
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

void TfrmMain::lstChoiceFileMouseDown(Qt::MouseButton button, int y) {
  if (button != Qt::RightButton) return;
  if (InUserOrderState()) {
    if (const auto row =
            core::RowAtHeight(y, RowHeight(lstChoiceFile), TopRow(lstChoiceFile), m_targets.Size())) {
      m_targets.SelectOnly(*row);
    } else {
      m_targets.ClearSelection();
      m_targets.SetCurrent(std::nullopt);
    }
    PushSelectionToView();
  }
  RefreshSelectionInfo();
}

void TfrmMain::lstChoiceFileDragDrop(int sourceRow, int y) {
  if (!InUserOrderState() || sourceRow < 0 || static_cast<std::size_t>(sourceRow) >= m_targets.Size()) return;
  const auto source = static_cast<std::size_t>(sourceRow);
  m_targets.Move(source, core::DropTargetRow(y, RowHeight(lstChoiceFile), TopRow(lstChoiceFile),
                                             m_targets.Size(), source));
  ShowTargets();
}

void TfrmMain::bitChoiceFolderClick() {
  // The button is disabled in the user order; a folder has no place in it.
  if (InUserOrderState()) return;
  FolderRequest request{true, {}, {}};
  {
    TfrmFolderSelect dialog(request, m_settings, m_fileSystem, this);
    dialog.exec();
  }
  if (request.chosenFolder.empty()) return;
  const std::string folder = request.chosenFolder;
  m_targets.AppendUnique(folder);
  RememberTargetFolder(folder);
  if (request.offerSubfolders) {
    const BusyCaption busy(this, StoringSubfoldersCaption());
    std::vector<std::string> subfolders;
    core::WalkSubfolders(m_fileSystem, folder,
                         [&](const std::string& found) { subfolders.push_back(found); });
    m_targets.AppendEachUnique(subfolders);
  }
  ShowTargets();
  RefreshSelectionInfo();
  EnableListCommands(true);
}

}  // namespace morvane::gui
