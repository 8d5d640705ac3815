#include "gui/untMain.h"

namespace morvane::gui {

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent) { setWindowTitle("Morvane"); }

}  // namespace morvane::gui
