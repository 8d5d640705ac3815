#include "gui/window_program.h"

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
#include "gui/stop_signal_watch.h"
#include "gui/untMain.h"
#include "platform/file_size_limit.h"
#include "platform/locale_code_page.h"
#include "platform/posix_file_system.h"
#include "platform/program_folder.h"

namespace morvane::gui {

int RunWindowProgram(int argc, char* argv[], const std::function<void(TfrmMain&)>& shown) {
  platform::FailWritesBeyondFileSizeLimit();
  // The paths exactly as given, before Qt takes out the options it knows.
  const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
  QApplication application(argc, argv);
  core::SetActiveCodePage(platform::LocaleCodePage());

  // A second start brings the running program to the front and shows nothing itself.
  SingleInstance instance(SingleInstance::DefaultFolder());
  if (!instance.Claim()) {
    instance.AskFirstToRaise();
    return 0;
  }

  QApplication::setApplicationName(QStringLiteral("Morvane"));
  ApplyUiFont(application);
  InstallQtTranslations(application);
  QApplication::setWindowIcon(ProgramIcon());
  // The one file system of the window and every dialog it opens.
  platform::PosixFileSystem fileSystem;
  TfrmMain window(platform::ResolveProgramFiles(), fileSystem, arguments);
  // Stop signals are caught before the socket is up: whoever can find this instance
  // there (a later start, a script waiting for the socket) may also stop it.
  CloseOnStopSignals(window);
  instance.Listen(&BringForemostWindowToFront);
  window.show();
  if (shown) shown(window);
  return application.exec();
}

}  // namespace morvane::gui
