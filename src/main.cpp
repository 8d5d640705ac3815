#include <QApplication>
#include <algorithm>
#include <string>
#include <vector>

#include "core/text/code_page.h"
#include "gui/foremost_window.h"
#include "gui/interface_font.h"
#include "gui/program_icon.h"
#include "gui/qt_translations.h"
#include "gui/single_instance.h"
#include "gui/startup_probe.h"
#include "gui/stop_signal_watch.h"
#include "gui/untMain.h"
#include "platform/file_size_limit.h"
#include "platform/locale_code_page.h"
#include "platform/posix_file_system.h"
#include "platform/program_folder.h"

int main(int argc, char* argv[]) {
  morvane::platform::FailWritesBeyondFileSizeLimit();
  // The paths exactly as given, before Qt takes out the options it knows.
  const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
  QApplication application(argc, argv);
  morvane::core::SetActiveCodePage(morvane::platform::LocaleCodePage());

  // A second start brings the running program to the front and shows nothing itself.
  morvane::gui::SingleInstance instance(morvane::gui::SingleInstance::DefaultFolder());
  if (!instance.Claim()) {
    instance.AskFirstToRaise();
    return 0;
  }

  QApplication::setApplicationName(QStringLiteral("Morvane"));
  morvane::gui::ApplyUiFont(application);
  morvane::gui::InstallQtTranslations(application);
  QApplication::setWindowIcon(morvane::gui::ProgramIcon());
  // The one file system of the window and every dialog it opens.
  morvane::platform::PosixFileSystem fileSystem;
  morvane::gui::TfrmMain window(morvane::platform::ResolveProgramFiles(), fileSystem, arguments);
  instance.Listen(&morvane::gui::BringForemostWindowToFront);
  morvane::gui::CloseOnStopSignals(window);
  window.show();
  morvane::gui::InstallStartupProbe(window);
  return application.exec();
}
