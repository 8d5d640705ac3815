#pragma once

#include <string>
#include <vector>

namespace morvane::gui {

// What the window program's command line asks for. Only --help, -h and --version are
// options; every other argument is a path for the target list, as it always was (a
// file named like an option comes after "--").
struct WindowCommandLine {
  enum class Action { Run, Help, Version };
  Action action = Action::Run;
  std::vector<std::string> paths;
};

// arguments: argv without the program name, as given.
WindowCommandLine ParseWindowCommandLine(const std::vector<std::string>& arguments);

// What the process knows of its graphical session: Qt's platform as chosen by
// QT_QPA_PLATFORM or a -platform argument (empty: Qt's default), and the two display
// variables.
struct DisplaySession {
  std::string platform;
  std::string display;
  std::string waylandDisplay;
};

// The line to print instead of starting Qt when the chosen platforms all need a display
// server and none is named (Qt would abort), or nothing when the window can start.
std::string MissingDisplayMessage(const std::vector<std::string>& arguments, const DisplaySession& session);

// The texts of --help and --version (each ends in a line feed).
std::string WindowUsage();
std::string WindowVersion();

// The path as the process that was given it means it: a relative path joined to the
// folder it was started in, so that another process can find it. "." segments are
// dropped; ".." stays, as a symbolic link may stand before it.
std::string AbsolutePath(const std::string& path, const std::string& currentFolder);

}  // namespace morvane::gui
