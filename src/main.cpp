#include <QApplication>

#include "core/text/code_page.h"
#include "gui/untMain.h"
#include "platform/locale_code_page.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  morvane::core::SetActiveCodePage(morvane::platform::LocaleCodePage());
  morvane::gui::TfrmMain window;
  window.show();
  return application.exec();
}
