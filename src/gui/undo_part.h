#pragma once

#include <QObject>
#include <string>

#include "core/fs/file_system.h"
#include "core/fs/program_files.h"
#include "core/log/text_viewer.h"
#include "core/settings/log_settings.h"
#include "core/undo/undo_store.h"

class QAction;
class QMenu;
class QWidget;

namespace morvane::gui {

class MessageBoxes;
class TfrmPEndMessage;
class TfrmUndo;

// What undo needs of the window it is in.
class UndoHost {
 public:
  virtual ~UndoHost() = default;
  virtual MessageBoxes& Messages() = 0;
  // Reads the log options again, so that the undo logs as last saved.
  virtual void ReloadLogSettings() = 0;
  virtual const core::LogSettings& LogOptions() const = 0;
  // The files changed: the status bar's free space is shown again.
  virtual void ShowFreeSpace() = 0;
};

// The windows a program shows at the end of a run or an undo.
struct UndoWindows {
  TfrmPEndMessage* endMessage;
  core::TextViewerLauncher& viewer;  // opens the result file
};

// Undo in the window: the 機能 menu's item, enabled while a run can be taken back; the
// undo dialog with what undo will do; then the undo itself, written to the result file
// like a run, and its end message.
class UndoPart : public QObject {
  Q_OBJECT

 public:
  // Puts the item into the menu before the item `before`, a separator after it.
  UndoPart(UndoHost& host, const UndoWindows& windows, const core::ProgramFiles& files,
           core::FileSystem& fileSystem, QMenu* menu, QAction* before, QWidget* window);

  TfrmUndo* Dialog() const { return m_dialog; }
  QAction* MenuItem() const { return m_menuItem; }

  // Enables the menu item when some run can be undone; reads only journals that changed.
  void RefreshItem();
  // A run's undo journal is complete at path: no need to read it to know it can be
  // undone.
  void JournalWritten(const std::string& path);

 private:
  // The menu item: the newest run that can be undone, offered and taken back.
  void UndoNewestRun();

  UndoHost& m_host;
  UndoWindows m_windows;
  const core::ProgramFiles& m_files;
  core::FileSystem& m_fileSystem;
  TfrmUndo* m_dialog;
  QAction* m_menuItem;
  // Which journals were undone, as last read for the menu item.
  core::UndoStatusCache m_status;
};

}  // namespace morvane::gui
