#include "core/fs/program_files.h"

#include "core/names/path_rules.h"

namespace morvane::core {
namespace {

bool IsSet(const std::optional<std::string>& value) { return value && !value->empty(); }

}  // namespace

std::string ChooseProgramFolder(const ProgramFolderInputs& inputs) {
  if (IsSet(inputs.morvaneHome)) return *inputs.morvaneHome;
  if (inputs.executableFolderWritable && !inputs.installedLayout) return inputs.executableFolder;
  // A relative XDG_CONFIG_HOME is invalid and ignored, as the base directory rules say.
  if (IsSet(inputs.xdgConfigHome) && inputs.xdgConfigHome->front() == '/') {
    return JoinPath(*inputs.xdgConfigHome, "morvane");
  }
  if (IsSet(inputs.home)) return JoinPath(JoinPath(*inputs.home, ".config"), "morvane");
  return inputs.executableFolder;
}

ProgramFiles ProgramFilesIn(std::string_view folder) {
  return ProgramFiles{std::string(folder), JoinPath(folder, "morvane.INI"), JoinPath(folder, "Result.dat"),
                      JoinPath(folder, "Rename.log")};
}

}  // namespace morvane::core
