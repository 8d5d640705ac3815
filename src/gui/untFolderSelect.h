#pragma once

#include <QDialog>
#include <QString>
#include <QTimer>
#include <string>

#include "core/fs/file_system.h"
#include "core/settings/settings_store.h"
#include "gui/message_boxes.h"
#include "ui_untFolderSelect.h"

class QFileSystemModel;

namespace morvane::gui {

// What the caller hands to the folder dialog and gets back.
struct FolderRequest {
  // In: show the subfolder check box. Out: true only when the user chose a folder with
  // its subfolders.
  bool offerSubfolders = false;
  // Out: the folder chosen by OK, as typed or picked; empty after Cancel or the close box.
  std::string chosenFolder;
  // In: the folder to open at when it exists (the output folder's field); otherwise the
  // last folder chosen.
  std::string startFolder;
};

// The folder selection dialog, made for one use. Its folder history (15 folders,
// newest first) and the last folder chosen live in the settings file.
class TfrmFolderSelect : public QDialog, public Ui_TfrmFolderSelect {
  Q_OBJECT

 public:
  // fileSystem: what tells which typed or remembered folders exist.
  TfrmFolderSelect(FolderRequest& request, core::SettingsStore& settings, const core::FileSystem& fileSystem,
                   QWidget* parent = nullptr);
  ~TfrmFolderSelect() override;

  MessageBoxes& Messages() { return m_messages; }
  QFileSystemModel* FolderModel() const { return m_folderModel; }

  // The folder tree: selects the item of a folder path, opening the items above it and
  // scrolling it into view, also once the tree has read the folders on the way (false
  // when the tree does not show that folder); and gives the selected item's path.
  bool SelectFolderInTree(const QString& path);
  QString SelectedTreePath() const;

 public slots:
  void FolderViewChange();
  void cboFolderHistoryChange();
  void btnOkClick();
  void btnCancelClick();
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormCreate();
  // Brings the folder being selected into view again, now that the tree has read more.
  void ShowFolderToShow();
  // Opens the items above the folder's item and scrolls it to the middle of the tree.
  void BringIntoView(const QModelIndex& index);

  FolderRequest& m_request;
  core::SettingsStore& m_settings;
  const core::FileSystem& m_fileSystem;
  MessageBoxes m_messages;
  QFileSystemModel* m_folderModel;
  // The folder SelectFolderInTree is still bringing into view, until the user moves.
  QString m_folderToShow;
  QTimer m_showFolderLater;
  // While the tree follows the typed text, its selection does not rewrite the text.
  bool m_followingText = false;
};

}  // namespace morvane::gui
