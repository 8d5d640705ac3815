#include "gui/window_program_options.h"

#include <algorithm>

#include "core/about/licence_notice.h"

namespace morvane::gui {

WindowCommandLine ParseWindowCommandLine(const std::vector<std::string>& arguments) {
  WindowCommandLine commandLine;
  bool optionsEnded = false;
  for (const std::string& argument : arguments) {
    if (!optionsEnded && argument == "--") {
      optionsEnded = true;
      continue;
    }
    if (!optionsEnded && (argument == "--help" || argument == "-h")) {
      commandLine.action = WindowCommandLine::Action::Help;
      return commandLine;
    }
    if (!optionsEnded && argument == "--version") {
      commandLine.action = WindowCommandLine::Action::Version;
      return commandLine;
    }
    commandLine.paths.push_back(argument);
  }
  return commandLine;
}

std::string WindowUsage() {
  return "Usage: morvane [OPTIONS] [--] [PATH...]\n"
         "Morvane renames or copies many files at once. Each PATH, a file or a folder, goes to\n"
         "the top of the target list: the last one given ends up first.\n"
         "When Morvane is already running, its window comes to the front and takes the PATHs\n"
         "(when no run is going and no dialog is open; otherwise it names the paths it left).\n"
         "\n"
         "Options:\n"
         "  -h,--help     Print this help message and exit\n"
         "  --version     Print the version and exit\n"
         "  --            Take every later argument as a PATH\n"
         "Qt's own options (-platform, -style, ...) are also understood.\n"
         "\n"
         "morvane-batch runs the same renames from the command line.\n";
}

std::string WindowVersion() {
  return std::string("morvane ") + MORVANE_VERSION + '\n' + std::string(core::kLicenceNotice) + '\n';
}

std::string AbsolutePath(const std::string& path, const std::string& currentFolder) {
  if (path.starts_with('/')) return path;
  std::string absolute = currentFolder;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    const std::string_view segment(path.data() + start, end - start);
    if (!segment.empty() && segment != ".") {
      if (!absolute.ends_with('/')) absolute += '/';
      absolute += segment;
    }
    start = end + 1;
  }
  // "dir/" keeps its slash: the target list shows the path as it was typed.
  if (path.ends_with('/') && !absolute.ends_with('/')) absolute += '/';
  return absolute;
}

std::string MissingDisplayMessage(const std::vector<std::string>& arguments, const DisplaySession& session) {
  if (!session.display.empty() || !session.waylandDisplay.empty()) return {};
  std::string platforms = session.platform;
  // Qt takes a -platform argument over the variable.
  for (std::size_t i = 0; i + 1 < arguments.size(); ++i) {
    if (arguments[i] == "-platform") platforms = arguments[i + 1];
  }
  // Qt tries a list of platforms in turn ("wayland;xcb"); the default here is xcb. One
  // that needs no display server (offscreen, vnc, eglfs) lets the window start.
  std::size_t start = 0;
  do {
    const std::size_t end = std::min(platforms.find(';', start), platforms.size());
    const std::string name = platforms.substr(start, end - start);
    if (!name.empty() && !name.starts_with("xcb") && !name.starts_with("wayland")) return {};
    start = end + 1;
  } while (start <= platforms.size());
  return "morvane: no graphical session was found (neither DISPLAY nor WAYLAND_DISPLAY is set); "
         "the window needs one, and morvane-batch does the same work from the command line\n";
}

}  // namespace morvane::gui
