#pragma once

// Shared by the target list tests: the window fixture shown, and ways to select and drop
// as a user would.

#include <QApplication>
#include <QDropEvent>
#include <QItemSelectionModel>
#include <QListView>
#include <QMimeData>
#include <QTest>
#include <initializer_list>
#include <string>
#include <vector>

#include "gui/untMain.h"
#include "window_fixture.h"

namespace morvane::test {

// The shown window of a program started with these paths, for the target list tests.
struct TargetWindow : WindowFixture {
  explicit TargetWindow(const Paths& arguments = {}) { OpenShown(arguments); }

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
