// The ways into the target list: a typed path, a pick from the folder history, the file
// and folder dialogs' picks, a drop from a file manager and the command line.
#include <QComboBox>
#include <QElapsedTimer>
#include <QListView>
#include <QMimeData>
#include <QSysInfo>
#include <QWidget>
#include <utility>

#include "core/names/extension_filter.h"
#include "core/preview/field_history.h"
#include "core/targets/folder_walk.h"
#include "core/targets/ways_in.h"
#include "gui/busy_caption.h"
#include "gui/combo_items.h"
#include "gui/long_wait.h"
#include "gui/message_boxes.h"
#include "gui/qt_text.h"
#include "gui/target_list_part.h"

namespace morvane::gui {
namespace {

constexpr std::size_t kMaxTargetFolders = 10;
// A long batch keeps the list painted, but never once per file.
constexpr int kRepaintIntervalMs = 50;
const QString kUriListType = QStringLiteral("text/uri-list");

QString Warning(const char* text, const std::string& path) {
  return QString::fromUtf8(text) + ToQString(path);
}

}  // namespace

void TargetListPart::Append(const std::string& path) {
  m_targets.Append(path);
  Show();
}

void TargetListPart::AppendUnique(const std::string& path) {
  m_targets.AppendUnique(path);
  Show();
}

void TargetListPart::RememberFolder(const std::string& folder) {
  std::vector<std::string> items = AllItemBytes(m_controls.pathField);
  core::RememberInFieldHistory(items, 0, kMaxTargetFolders, folder);
  SetItemBytes(m_controls.pathField, items);
  SetEditTextBytes(m_controls.pathField, folder);
}

void TargetListPart::Clear() {
  m_targets.Clear();
  Show();
  m_controls.pathField->setEditText(QString());
  // With the list empty, this also shows the free space and switches the hint off.
  RefreshSelectionInfo();
  EnableListCommands(false);
}

void TargetListPart::Added() {
  m_controls.pathField->setEditText(QString());
  RefreshSelectionInfo();
  EnableListCommands(true);
}

void TargetListPart::AddChosenFiles(std::vector<std::string> chosen) {
  if (chosen.size() >= 2) std::swap(chosen.front(), chosen.back());
  {
    const BusyCaption busy(&m_host.Widget(), StoringFileListCaption());
    QElapsedTimer sincePaint;
    sincePaint.start();
    for (const std::string& path : chosen) {
      m_targets.Append(path);
      if (sincePaint.elapsed() >= kRepaintIntervalMs) {
        Show();
        m_controls.list->viewport()->repaint();
        sincePaint.restart();
      }
    }
    Show();
  }
  Added();
}

void TargetListPart::AddTypedPath() {
  QComboBox* field = m_controls.pathField;
  const std::string typed = EditTextBytes(field);
  const core::ExtensionFilter filter = core::BuildExtensionFilter(m_host.FileTypesText());
  MessageBoxes& messages = m_host.Messages();
  switch (core::ClassifyTypedPath(typed, m_fileSystem, filter, m_host.ProtectedTypes(),
                                  m_host.InUserOrderState())) {
    case core::TypedPath::Empty:
      m_controls.filesButton->setFocus();
      return;
    case core::TypedPath::NotInFilter:
      messages.Show(MessageKind::Warning,
                    Warning("変換するファイルの種類にない拡張子のファイルです！\r\n", typed));
      return;
    case core::TypedPath::Protected:
      messages.Show(MessageKind::Warning,
                    Warning("保護するファイルの種類に指定された拡張子のファイルです！\r\n", typed));
      return;
    case core::TypedPath::IgnoredFolder:
      return;
    case core::TypedPath::Missing:
      messages.Show(MessageKind::Warning, Warning("存在しないファイル・フォルダです！\r\n", typed));
      field->setFocus();
      return;
    case core::TypedPath::Folder:
      RememberFolder(typed);
      field->setFocus();
      break;
    case core::TypedPath::File:
      break;
  }
  AppendUnique(typed);
  field->setEditText(QString());
  field->setFocus();
  RefreshSelectionInfo();
  EnableListCommands(true);
}

void TargetListPart::AddHistoryItem(int index) {
  if (m_host.InUserOrderState() || index < 0) return;
  const std::string item = ItemBytes(m_controls.pathField, index);
  AppendUnique(item);
  RememberFolder(item);
  m_controls.pathField->setEditText(QString());
  m_controls.pathField->setFocus();
  RefreshSelectionInfo();
  EnableListCommands(true);
}

void TargetListPart::AddDroppedPaths(const std::vector<std::string>& paths) {
  QWidget& window = m_host.Widget();
  core::MeasuredRows measured;
  {
    const BusyCaption busy(&window, StoringFileListCaption());
    core::TargetsToAdd added =
        WaitFor(&window, StoringFileListCaption(),
                [&paths, this, filter = core::BuildExtensionFilter(m_host.FileTypesText()),
                 userOrder = m_host.InUserOrderState()] {
                  return core::SortDroppedPaths(paths, m_fileSystem, filter, userOrder);
                });
    measured = {m_targets.Size(), added.entries.size(), added.fileBytes};
    for (std::string& entry : added.entries) m_targets.Append(std::move(entry));
    for (const std::string& folder : added.folders) RememberFolder(folder);
    Show();
  }
  m_controls.pathField->setEditText(QString());
  RefreshSelectionInfo(measured);
  if (!m_targets.Empty()) EnableListCommands(true);
  // To the front, where the user dropped; a stay-on-top flag would re-create the window.
  window.raise();
  window.activateWindow();
}

void TargetListPart::AddDrop(const QMimeData& data) {
  const QByteArray uriList = data.data(kUriListType);
  AddDroppedPaths(core::LocalPathsOfUriList(std::string_view(uriList.constData(), uriList.size()),
                                            QSysInfo::machineHostName().toStdString()));
}

void TargetListPart::AddCommandLine(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return;
  core::MeasuredRows measured;
  {
    const BusyCaption busy(&m_host.Widget(), StoringFileListCaption());
    const core::TargetsToAdd added = core::CommandLineTargets(arguments, m_fileSystem);
    measured = {0, added.entries.size(), added.fileBytes};
    m_targets.InsertEachAtTop(added.entries);
    for (const std::string& folder : added.folders) RememberFolder(folder);
    Show();
  }
  m_controls.pathField->setEditText(QString());
  if (m_targets.Empty()) return;
  RefreshSelectionInfo(measured);
  EnableListCommands(true);
}

void TargetListPart::AddFolder(const std::string& folder, bool withSubfolders) {
  m_targets.AppendUnique(folder);
  RememberFolder(folder);
  if (withSubfolders) {
    const BusyCaption busy(&m_host.Widget(), StoringSubfoldersCaption());
    std::vector<std::string> subfolders;
    core::WalkSubfolders(m_fileSystem, folder,
                         [&](const std::string& found) { subfolders.push_back(found); });
    m_targets.AppendEachUnique(subfolders);
  }
  Show();
  RefreshSelectionInfo();
  EnableListCommands(true);
}

}  // namespace morvane::gui
