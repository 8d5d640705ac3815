#include "gui/window_program.h"

#include <unistd.h>

#include <QApplication>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/text/code_page.h"
#include "gui/handed_paths.h"
#include "gui/interface_font.h"
#include "gui/program_icon.h"
#include "gui/qt_translations.h"
#include "gui/single_instance.h"
#include "gui/stop_signal_watch.h"
#include "gui/untMain.h"
#include "gui/window_program_options.h"
#include "platform/file_size_limit.h"
#include "platform/locale_code_page.h"
#include "platform/posix_file_system.h"
#include "platform/program_folder.h"

namespace morvane::gui {
namespace {

std::string CurrentFolder() {
  std::vector<char> buffer(4096);
  while (getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) return "/";
    buffer.resize(buffer.size() * 2);
  }
  return buffer.data();
}

// The paths for the first instance, which runs in another folder.
std::vector<std::string> HandedOver(const std::vector<std::string>& paths) {
  const std::string folder = CurrentFolder();
  std::vector<std::string> absolute;
  absolute.reserve(paths.size());
  for (const std::string& path : paths) {
    if (!path.empty()) absolute.push_back(AbsolutePath(path, folder));
  }
  return absolute;
}

std::string EnvironmentText(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

}  // namespace

int RunWindowProgram(int argc, char* argv[], const std::function<void(TfrmMain&)>& shown) {
  platform::FailWritesBeyondFileSizeLimit();
  // The paths exactly as given, before Qt takes out the options it knows.
  const WindowCommandLine commandLine =
      ParseWindowCommandLine(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
  // Answered before Qt starts, so that they work without a display.
  if (commandLine.action == WindowCommandLine::Action::Help) {
    std::fputs(WindowUsage().c_str(), stdout);
    return 0;
  }
  if (commandLine.action == WindowCommandLine::Action::Version) {
    std::fputs(WindowVersion().c_str(), stdout);
    return 0;
  }
  const std::string noDisplay = MissingDisplayMessage(
      std::vector<std::string>(argv + std::min(argc, 1), argv + argc),
      {EnvironmentText("QT_QPA_PLATFORM"), EnvironmentText("DISPLAY"), EnvironmentText("WAYLAND_DISPLAY")});
  if (!noDisplay.empty()) {
    std::fputs(noDisplay.c_str(), stderr);
    return 2;
  }
  const std::vector<std::string>& arguments = commandLine.paths;
  QApplication application(argc, argv);
  core::SetActiveCodePage(platform::LocaleCodePage());

  // A second start brings the running program to the front, hands it its paths and
  // shows nothing itself.
  SingleInstance instance(SingleInstance::DefaultFolder());
  if (!instance.Claim()) {
    const std::vector<std::string> handed = HandedOver(arguments);
    if (SingleInstance::EncodeRequest(handed).size() > SingleInstance::kMaxRequestBytes) {
      std::fprintf(stderr, "morvane: too many paths to hand to the running window; it is only raised\n");
      instance.AskFirstToRaise();
      return 1;
    }
    instance.AskFirstToTake(handed);
    return 0;
  }

  QApplication::setApplicationName(QStringLiteral("Morvane"));
  ApplyUiFont();
  InstallQtTranslations(application);
  QApplication::setWindowIcon(ProgramIcon());
  // The one file system of the window and every dialog it opens.
  platform::PosixFileSystem fileSystem;
  TfrmMain window(platform::ResolveProgramFiles(), fileSystem, arguments);
  // Stop signals are caught before the socket is up: whoever can find this instance
  // there (a later start, a script waiting for the socket) may also stop it.
  CloseOnStopSignals(window);
  ServeLaterStarts(instance, window);
  window.show();
  if (shown) shown(window);
  return QApplication::exec();
}

}  // namespace morvane::gui
