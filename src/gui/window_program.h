#pragma once

#include <functional>

namespace morvane::gui {

class TfrmMain;

// The window program from its first line to its last: the file size limit, the code
// page of the locale, one instance per session, the main window over the program folder
// with argv's paths in its target list, stop signals, then the event loop. Returns the
// exit status. --help and --version print and return 0 before Qt starts. A second start
// asks the first to come to the front and to take its paths, and returns 0 without a
// window.
// shown: called once the main window has been shown, before the event loop; lets a
// developer tool look at the very window the program shows.
int RunWindowProgram(int argc, char* argv[], const std::function<void(TfrmMain&)>& shown = {});

}  // namespace morvane::gui
