#pragma once

#include <QObject>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/fs/file_system.h"
#include "core/names/protected_extensions.h"
#include "core/settings/ini_document.h"
#include "core/settings/settings_store.h"
#include "core/targets/status_texts.h"
#include "core/targets/target_list.h"

class QAction;
class QComboBox;
class QEvent;
class QItemSelection;
class QLabel;
class QListView;
class QMimeData;
class QWidget;

namespace morvane::gui {

class FileDialogs;
class MessageBoxes;
class TargetListModel;

// The controls of the main window that show the target list and act on it.
struct TargetListControls {
  QListView* list;
  QComboBox* pathField;  // typed paths and the history of folders
  QWidget* filesButton;
  QWidget* folderButton;
  QWidget* removeButton;
  QAction* removeItem;
  QAction* openItem;
  QWidget* clearButton;
  QAction* clearItem;
  QWidget* startButton;
  std::array<QWidget*, 4> moveButtons;  // to the top, up, down, to the bottom
  std::array<QAction*, 4> moveItems;
  QLabel* statusPanel;  // the status bar's information panel
  QWidget* statusBar;   // shows the free space as its hint too
};

// What the target list needs of the window it is in.
class TargetListHost {
 public:
  virtual ~TargetListHost() = default;
  // The numbering in the user order: one selection, rows dragged, no folders.
  virtual bool InUserOrderState() const = 0;
  // The type filter's text and the settings' protected types, for the ways in.
  virtual std::string FileTypesText() const = 0;
  virtual core::ProtectedExtensions ProtectedTypes() const = 0;
  virtual MessageBoxes& Messages() = 0;
  // The window itself: its caption while a batch is stored, raised after a drop.
  virtual QWidget& Widget() = 0;
  // The entries changed (the plan window follows them).
  virtual void ListChanged() {}
  // Runs one change of the settings file; false (and the window says so) when it fails.
  virtual bool WriteSettings(const std::function<void(core::IniDocument&)>& edit) = 0;
};

// The dialogs the file and folder buttons open: the file dialog (with its test seam) and
// the settings the folder dialog keeps its history in.
struct TargetListDialogs {
  FileDialogs& files;
  core::SettingsStore& settings;
};

// The target list of the main window: its entries and selection, the view that shows
// them, every way in (a typed path, a history pick, the file and folder dialogs' picks,
// a drop, the command line) and out, the moves of the user order, and the status bar's
// information about the selection.
class TargetListPart : public QObject {
  Q_OBJECT

 public:
  TargetListPart(const TargetListControls& controls, TargetListHost& host, core::FileSystem& fileSystem,
                 const TargetListDialogs& dialogs, QObject* parent);

  core::TargetList& List() { return m_targets; }
  const core::TargetList& List() const { return m_targets; }

  // Shows the list and its selection again after the list changed.
  void Show();
  void PushSelectionToView();
  // The selection mode, dragging and move commands of the current arrangement.
  void ApplyArrangement();
  // The list buttons and the Start button.
  void EnableListCommands(bool enabled);

  void Append(const std::string& path);
  void AppendUnique(const std::string& path);
  // Puts the folder at the head of the path field's history and into the field.
  void RememberFolder(const std::string& folder);
  void Clear();

  // The ways in.
  void AddChosenFiles(std::vector<std::string> chosen);
  void AddTypedPath();
  void AddHistoryItem(int index);
  void AddDroppedPaths(const std::vector<std::string>& paths);
  void AddDrop(const QMimeData& data);
  void AddCommandLine(const std::vector<std::string>& arguments);
  void AddFolder(const std::string& folder, bool withSubfolders);

  // The file button: files from the file dialog, whose folder is remembered.
  void ChooseFiles();
  // The folder button: a folder (with its subfolders when asked) from the folder dialog.
  void ChooseFolder();
  // Where the file dialog opens first (empty: the platform's default).
  const std::string& FileDialogFolder() const { return m_fileDialogFolder; }
  void SetFileDialogFolder(std::string folder) { m_fileDialogFolder = std::move(folder); }

  void RemoveSelected();
  void MoveCurrent(void (core::TargetList::*move)());
  // Opens the first selected entry with its associated program.
  void OpenFirstSelected();
  void SetShellOpener(std::function<void(const std::string&)> opener) { m_shellOpener = std::move(opener); }
  // The right button pressed at height y of the list.
  void RightClickAt(int y);
  // The entry at sourceRow dragged inside the list and dropped at height y.
  void DragDropped(int sourceRow, int y);

  // The status bar and the list's hint for the selection (recomputed every time, but for
  // rows a way in has just measured).
  void RefreshSelectionInfo(const core::MeasuredRows& measured = {});
  void ShowItemInfo(const std::string& path);
  void ShowListTotals(const core::MeasuredRows& measured = {});
  void ShowFreeSpace();

 protected:
  // Enter, drags and the right button on the list and the path field, and the files a
  // file manager drops on the window.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // True when the event was taken.
  bool FilterEvent(QObject* watched, QEvent* event);
  bool FilterWindowDrop(QEvent* event);
  // Each button and menu item of the list to what it does.
  void ConnectCommands();
  void TakeSelectionFromView(const QItemSelection& selected, const QItemSelection& deselected);
  void SetMoveCommandsEnabled(bool enabled);
  void SetHint(const QString& hint);
  // After a way in added entries: the path field emptied, the status and commands updated.
  void Added();

  TargetListControls m_controls;
  TargetListHost& m_host;
  core::FileSystem& m_fileSystem;
  core::TargetList m_targets;
  TargetListDialogs m_dialogs;
  // The list's viewport and the window, whose events the part filters.
  QObject* m_viewport = nullptr;
  QObject* m_window = nullptr;
  std::string m_fileDialogFolder;
  TargetListModel* m_model;
  // Set while the program puts the list's selection into the view, so that the view's
  // echo is not taken for the user's selection.
  bool m_pushingSelection = false;
  std::function<void(const std::string&)> m_shellOpener;
};

}  // namespace morvane::gui
