#include "cli/map_command.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <iterator>
#include <map>
#include <ostream>
#include <unordered_map>

#include "cli/start_run.h"
#include "core/modes/renaming/name_list.h"
#include "core/text/visible_name.h"

namespace morvane::cli {
namespace {

std::optional<std::string> ReadList(const MapOptions& options, const BatchIo& io,
                                    const core::FileSystem& fileSystem) {
  if (options.listFile == "-") return std::string(std::istreambuf_iterator<char>(io.in), {});
  core::FileReadResult read = fileSystem.ReadWholeFile(options.listFile);
  if (read.status == core::FileReadStatus::Read) return std::move(read.bytes);
  io.err << "map: the list " << core::VisibleName(options.listFile) << " cannot be read\n";
  return std::nullopt;
}

void ReportFault(const BatchIo& io, const MapOptions& options, const core::NameListFault& fault) {
  io.err << "map: " << (options.listFile == "-" ? std::string("standard input") : options.listFile)
         << (options.nulRecords ? ": pair " : ": line ") << fault.line << ": " << fault.reason << '\n';
}

}  // namespace

CLI::App* AddMapCommand(CLI::App& app, MapOptions& options) {
  CLI::App* command = app.add_subcommand(
      "map",
      "Give each file of a list the new name the list gives it, as every mode renames: the same plan, "
      "conflicts, result file and undo.");
  command
      ->add_option("FILE", options.listFile,
                   "The list: one line per file, its path, a tab and its new name (a name, not a path); "
                   "- reads standard input. A faulty line refuses the whole list, by its number.")
      ->required();
  command->add_flag("-0,--null", options.nulRecords,
                    "The list is NUL-ended records instead, a path and its new name in turn, so that "
                    "names may hold tabs and line feeds.");
  AddCommonOptions(*command, options.common, CommonOptionsKind::Copying, true, false);
  return command;
}

int RunMapCommand(const MapOptions& options, const BatchIo& io, core::FileSystem& fileSystem) {
  const std::optional<std::string> text = ReadList(options, io, fileSystem);
  if (!text) return kExitRefused;
  core::NameList list = core::ParseNameList(
      *text, options.nulRecords ? core::NameListSyntax::NulRecords : core::NameListSyntax::TabLines);
  const std::vector<core::ListedName>& listed = list.names;
  core::StartRequest request = RequestOf(core::OperatingMode::ListedNames, options.common, std::nullopt);
  std::vector<std::string> paths;
  paths.reserve(listed.size());
  for (const core::ListedName& name : listed) paths.push_back(name.path);
  request.targets = AbsolutePaths(paths);
  // One file under two paths ("a.txt", "./a.txt", a link) cannot take two names; a
  // missing file is told by the run, as in every mode.
  std::map<std::pair<std::uint64_t, std::uint64_t>, std::size_t> lineOfFile;
  std::unordered_map<std::string, std::size_t> lineOfMissing;
  for (std::size_t i = 0; i < listed.size(); ++i) {
    const std::string& path = request.targets[i];
    const std::size_t line = listed[i].line;
    const std::optional<core::FileInfo> info = fileSystem.Stat(path);
    const std::size_t firstLine =
        info ? lineOfFile.emplace(std::pair{info->device, info->inode}, line).first->second
             : lineOfMissing.emplace(path, line).first->second;
    std::string reason;
    if (info && info->isFolder) {
      reason = "the old path is a folder: map renames files";
    } else if (firstLine != line) {
      reason = "the old path is listed already, on line " + std::to_string(firstLine);
    }
    if (!reason.empty()) list.faults.push_back({line, reason});
    request.listedNames.emplace(path, listed[i].newName);
  }
  if (!list.faults.empty()) {
    std::stable_sort(
        list.faults.begin(), list.faults.end(),
        [](const core::NameListFault& a, const core::NameListFault& b) { return a.line < b.line; });
    for (const core::NameListFault& fault : list.faults) ReportFault(io, options, fault);
    return kExitRefused;
  }
  return CheckAndRun(request, options.common, io, fileSystem);
}

}  // namespace morvane::cli
