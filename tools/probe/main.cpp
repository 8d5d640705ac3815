// morvane-probe: the window program as `morvane` runs it, with a developer's look at it
// that the shipped program does not carry.
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <functional>

#include "first_paint.h"
#include "gui/untMain.h"
#include "gui/window_program.h"
#include "screenshots.h"

namespace {

constexpr const char* kUsage =
    "usage: morvane-probe first-paint [--stay]\n"
    "       morvane-probe screenshots <folder>\n"
    "first-paint: prints \"shown <CLOCK_REALTIME ns>\" at the main window's first paint,\n"
    "  then quits (with --stay: keeps running, as the program would).\n"
    "screenshots: renders the window in each mode and every dialog into PNG files in\n"
    "  <folder>, then quits.\n"
    "The program folder, runtime folder and platform come from the environment as for\n"
    "morvane (MORVANE_HOME, XDG_RUNTIME_DIR, QT_QPA_PLATFORM).\n";

int Usage() {
  std::fputs(kUsage, stderr);
  return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2) return Usage();
  std::function<void(morvane::gui::TfrmMain&)> look;
  const char* command = argv[1];
  if (std::strcmp(command, "first-paint") == 0 &&
      (argc == 2 || (argc == 3 && std::strcmp(argv[2], "--stay") == 0))) {
    const bool quit = argc == 2;
    look = [quit](morvane::gui::TfrmMain& window) { morvane::probe::ReportFirstPaint(window, quit); };
  } else if (std::strcmp(command, "screenshots") == 0 && argc == 3) {
    const QString folder = QString::fromLocal8Bit(argv[2]);
    look = [folder](morvane::gui::TfrmMain& window) {
      QTimer::singleShot(0, &window, [&window, folder] {
        const bool saved = morvane::probe::SaveModeScreenshots(window, folder);
        std::printf("%s %s\n", saved ? "screenshots in" : "could not write screenshots to",
                    qPrintable(folder));
        QApplication::exit(saved ? 0 : 1);
      });
    };
  } else {
    return Usage();
  }
  // The probe's own words are no target paths: the window opens with an empty list.
  return morvane::gui::RunWindowProgram(1, argv, look);
}
