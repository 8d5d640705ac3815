#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morvane::core {

// What decides where the program keeps its settings file and logs.
struct ProgramFolderInputs {
  std::optional<std::string> morvaneHome;  // MORVANE_HOME, when set
  std::string executableFolder;            // the folder of the running program
  bool executableFolderWritable = false;
  std::optional<std::string> xdgConfigHome;  // XDG_CONFIG_HOME, when set
  std::optional<std::string> home;           // HOME, when set
  // The program was installed (a marker beside its share folder says so): its folder
  // belongs to the system or the package, never to one user's settings.
  bool installedLayout = false;
};

// MORVANE_HOME when it is set and not empty; else the executable's folder when it is
// writable and the program is not installed; else $XDG_CONFIG_HOME/morvane (an absolute XDG_CONFIG_HOME
// only), else $HOME/.config/morvane; the executable's folder when none of these can be formed.
std::string ChooseProgramFolder(const ProgramFolderInputs& inputs);

// The files the program keeps in its folder.
struct ProgramFiles {
  std::string folder;
  std::string settingsFile;  // morvane.INI
  std::string resultFile;    // Result.dat
  std::string logFile;       // Rename.log
};

// The files in folder, joined without a doubled separator ("/" gives "/morvane.INI").
ProgramFiles ProgramFilesIn(std::string_view folder);

}  // namespace morvane::core
