#include "platform/program_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "core/names/path_rules.h"

namespace morvane::platform {
namespace {

std::optional<std::string> Environment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

std::string ExecutableFolder() {
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return std::filesystem::current_path(error).string();
  return core::FolderPart(executable.string());
}

// `cmake --install` puts this marker into <prefix>/share/morvane beside <prefix>/bin.
bool InstalledLayout(const std::string& executableFolder) {
  std::error_code ignored;
  return std::filesystem::is_regular_file(
      std::filesystem::path(executableFolder) / ".." / "share" / "morvane" / "installed", ignored);
}

// Makes folder and any missing folder above it 0700, as the XDG base directories ask:
// the program folder holds the names of the user's files. A folder that exists keeps the
// mode its owner gave it.
void CreatePrivateFolders(const std::filesystem::path& folder) {
  std::error_code error;
  if (folder.empty() || std::filesystem::exists(folder, error)) return;
  if (folder.has_relative_path()) CreatePrivateFolders(folder.parent_path());
  (void)mkdir(folder.c_str(), 0700);
}

}  // namespace

core::ProgramFiles ResolveProgramFiles() {
  core::ProgramFolderInputs inputs;
  inputs.morvaneHome = Environment("MORVANE_HOME");
  inputs.executableFolder = ExecutableFolder();
  inputs.executableFolderWritable = access(inputs.executableFolder.c_str(), W_OK) == 0;
  inputs.xdgConfigHome = Environment("XDG_CONFIG_HOME");
  inputs.home = Environment("HOME");
  inputs.installedLayout = InstalledLayout(inputs.executableFolder);
  const std::string folder = core::ChooseProgramFolder(inputs);
  if (folder != inputs.executableFolder) {
    // A folder that cannot be made shows up at the first write.
    CreatePrivateFolders(std::filesystem::path(folder).lexically_normal());
  }
  return core::ProgramFilesIn(folder);
}

}  // namespace morvane::platform
