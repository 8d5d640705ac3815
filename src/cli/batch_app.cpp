#include "cli/batch_app.h"

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <csignal>
#include <iostream>

#include "cli/choices.h"
#include "cli/map_command.h"
#include "cli/mode_commands.h"
#include "cli/preset_arguments.h"
#include "cli/presets_command.h"
#include "cli/rename_command.h"
#include "cli/undo_command.h"
#include "cli/version_flag.h"
#include "core/text/code_page.h"
#include "platform/locale_code_page.h"
#include "platform/posix_file_system.h"
#include "platform/program_folder.h"
#include "platform/stop_signals.h"

namespace morvane::cli {
namespace {

constexpr const char* kDescription =
    "morvane-batch renames or copies many files at once, with the same rules as the Morvane window.\n"
    "Every run writes Result.dat (and, when asked, appends to Rename.log) in the program folder\n"
    "and prints the same lines on standard output; messages go to standard error. Every file\n"
    "left as it is gets a line on standard error that says why (its new name is taken, a\n"
    "protected type, left out by --types, missing, ...), and the run ends with a count per reason;\n"
    "the files of a folder that --types leaves out, which the run never meets, are counted in one\n"
    "last line (\"3 files of the folders given left out by --types txt\"). A --dry-run says\n"
    "before its end message that nothing was changed.\n"
    "\n"
    "Exit status:\n"
    "  0  every file was renamed or copied, or left as the options and settings say\n"
    "     (--on-conflict skip, --types, a protected type, no --find text in its name)\n"
    "  1  a file failed or was missing, a file was left at a conflict nobody chose to skip\n"
    "     (no terminal to ask and no --on-conflict, or an overwrite that is not possible),\n"
    "     or a result file could not be written\n"
    "  2  the command was refused before anything was touched (a wrong option or value, a\n"
    "     declined question, an output folder that cannot be used)\n"
    "  3  the run was aborted at a conflict, or stopped by SIGINT, SIGTERM or SIGHUP after the\n"
    "     file in hand (a second signal ends it at once)";

// CLI11 takes a word that names no command for a missing command; this names the
// commands and the one that was probably meant instead. Gives false after refusing.
bool NamesACommand(const std::vector<std::string>& arguments, const std::vector<std::string>& commands,
                   const BatchIo& io) {
  if (arguments.size() > 1 && arguments[1].starts_with('-')) return true;
  if (arguments.size() > 1 && std::find(commands.begin(), commands.end(), arguments[1]) != commands.end()) {
    return true;
  }
  if (arguments.size() > 1) {
    io.err << '"' << arguments[1] << "\" is not a command; the commands are " << ListWords(commands, "and")
           << DidYouMean(arguments[1], commands) << '\n';
  } else {
    io.err << "morvane-batch needs a command: " << ListWords(commands, "or") << '\n';
  }
  io.err << "Run with --help for more information.\n";
  return false;
}

}  // namespace

int RunBatch(const std::vector<std::string>& arguments, const BatchIo& io, core::FileSystem& fileSystem) {
  CLI::App app{kDescription, "morvane-batch"};
  app.require_subcommand(1);
  AddVersionFlag(app);
  RenameOptions renameOptions;
  CLI::App* rename = AddRenameCommand(app, renameOptions);
  std::vector<ModeOptions> modeOptions;
  modeOptions.reserve(std::size(core::kAllModes) - 1);
  for (const core::OperatingMode mode : core::kAllModes) {
    if (mode != core::OperatingMode::SequentialRename) modeOptions.emplace_back(mode);
  }
  std::vector<CLI::App*> modeCommands;
  modeCommands.reserve(modeOptions.size());
  // CLI11 keeps pointers into the options, so they are all in place before any is added.
  for (ModeOptions& options : modeOptions) modeCommands.push_back(AddModeCommand(app, options));

  MapOptions mapOptions;
  CLI::App* map = AddMapCommand(app, mapOptions);
  CLI::App* presetList = AddPresetsCommand(app);
  UndoOptions undoOptions;
  CLI::App* undo = AddUndoCommand(app, undoOptions);

  if (arguments.empty()) return kExitRefused;
  std::vector<std::string> commandNames{rename->get_name()};
  for (const CLI::App* command : modeCommands) commandNames.push_back(command->get_name());
  commandNames.push_back(map->get_name());
  commandNames.push_back(presetList->get_name());
  commandNames.push_back(undo->get_name());
  if (!NamesACommand(arguments, commandNames, io)) return kExitRefused;
  core::PresetFolder presets(fileSystem, platform::ResolveProgramFiles().folder);
  const std::optional<std::vector<std::string>> applied = WithPresetApplied(arguments, presets, io);
  if (!applied) return kExitRefused;
  AllowSavingWithoutPaths(*rename, *applied);
  for (CLI::App* command : modeCommands) AllowSavingWithoutPaths(*command, *applied);
  try {
    // CLI11 takes the arguments in reverse order, without the program name.
    std::vector<std::string> reversed(applied->rbegin(), applied->rend() - 1);
    app.parse(reversed);
  } catch (const CLI::ParseError& error) {
    const int status = app.exit(error, io.out, io.err);
    return status == 0 ? kExitSuccess : kExitRefused;
  }
  if (rename->parsed()) {
    const auto saved =
        SaveGivenPreset(core::OperatingMode::SequentialRename, renameOptions.common, *applied, presets, io);
    return saved ? *saved : RunRenameCommand(renameOptions, io, fileSystem);
  }
  if (undo->parsed()) return RunUndoCommand(undoOptions, io, fileSystem);
  if (map->parsed()) return RunMapCommand(mapOptions, io, fileSystem);
  if (presetList->parsed()) return RunPresetsCommand(presets, io);
  for (std::size_t i = 0; i < modeCommands.size(); ++i) {
    if (!modeCommands[i]->parsed()) continue;
    const ModeOptions& options = modeOptions[i];
    const auto saved = SaveGivenPreset(options.mode, options.common, *applied, presets, io);
    return saved ? *saved : RunModeCommand(options, io, fileSystem);
  }
  return kExitRefused;
}

int RunBatch(int argc, char** argv) {
  core::SetActiveCodePage(platform::LocaleCodePage());
  // An interrupted run ends like an abort: the file in hand finished, the summary written.
  platform::CatchStopSignals({SIGINT, SIGTERM, SIGHUP});
  platform::PosixFileSystem fileSystem;
  const BatchIo io{std::cout, std::cerr, std::cin, isatty(STDIN_FILENO) == 1};
  return RunBatch(std::vector<std::string>(argv, argv + argc), io, fileSystem);
}

}  // namespace morvane::cli
