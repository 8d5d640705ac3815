#pragma once

#include <QMainWindow>

namespace morvane::gui {

// The main window.
class TfrmMain : public QMainWindow {
  Q_OBJECT

 public:
  explicit TfrmMain(QWidget* parent = nullptr);
};

}  // namespace morvane::gui
