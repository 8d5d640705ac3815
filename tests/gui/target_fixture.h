#pragma once

// Shared by the target list tests: real files with exact bytes, a shown window in a
// fresh program folder, and ways to select and drop as a user would.

#include <QApplication>
#include <QDropEvent>
#include <QItemSelectionModel>
#include <QListView>
#include <QMimeData>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "gui/untMain.h"
#include "window_fixture.h"

namespace morvane::test {

using Paths = std::vector<std::string>;

// A shown window over a fresh program folder, with a data folder beside it.
struct TargetWindow {
  std::unique_ptr<WindowHome> home = std::make_unique<WindowHome>();
  std::unique_ptr<gui::TfrmMain> window;
  std::string data = home->Path(QStringLiteral("data")).toStdString();

  explicit TargetWindow(const Paths& arguments = {}) {
    std::filesystem::create_directory(data);
    window = std::make_unique<gui::TfrmMain>(home->Files(), RealFileSystem(), arguments);
    window->show();
  }
  ~TargetWindow() {
    window.reset();
    // Qt's own removal cannot name files whose names are not valid text.
    std::filesystem::remove_all(data);
    home.reset();
  }

  std::string At(const std::string& relative) const { return data + '/' + relative; }

  // Files of the given sizes, or folders for names that end in '/'; names are bytes.
  void Make(std::initializer_list<std::pair<std::string, std::size_t>> entries) const {
    for (const auto& [relative, size] : entries) {
      const std::filesystem::path path(At(relative));
      if (relative.ends_with('/')) {
        std::filesystem::create_directories(path);
        continue;
      }
      std::filesystem::create_directories(path.parent_path());
      std::ofstream(path, std::ios::binary) << std::string(size, 'x');
    }
  }

  Paths Entries() const { return window->Targets().Paths(); }

  void Select(std::initializer_list<int> rows) const {
    QItemSelectionModel* selection = window->lstChoiceFile->selectionModel();
    selection->clearSelection();
    for (int row : rows) {
      const QModelIndex index = window->lstChoiceFile->model()->index(row, 0);
      selection->setCurrentIndex(index, QItemSelectionModel::Select);
    }
  }

  // A drop of these paths from a file manager, as a percent-encoded text/uri-list
  // (handed to the window's drop handler: without a real drag Qt delivers no drop).
  void Drop(const Paths& paths) const {
    QByteArray uris;
    for (const std::string& path : paths)
      uris += "file://" + QByteArray::fromStdString(path).toPercentEncoding("/") + "\r\n";
    QMimeData mime;
    mime.setData(QStringLiteral("text/uri-list"), uris);
    window->FormDragDrop(mime);
  }

  // A path typed into the empty path field on the keyboard, then Enter.
  void TypePath(const std::string& text) const {
    window->cboChoiceFile->setEditText(QString());
    Type(window->cboChoiceFile, QString::fromUtf8(text));
    PressKey(Qt::Key_Return);
  }

  void UseUserOrder() const {
    window->cboSortType->setCurrentIndex(4);
    window->cboSortTypeChange();
  }

  QString Panel() const { return window->stbPanel1->text(); }
};

}  // namespace morvane::test
