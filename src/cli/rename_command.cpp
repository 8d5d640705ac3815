#include "cli/rename_command.h"

#include "cli/start_run.h"
#include "cli/word_choice.h"
#include "core/presets/option_words.h"
#include "core/presets/preset_options.h"

namespace morvane::cli {

CLI::App* AddRenameCommand(CLI::App& app, RenameOptions& options) {
  CLI::App* command = app.add_subcommand(
      std::string(core::ModeCommandName(core::OperatingMode::SequentialRename)),
      "Give every file a new name made of a front part, a running number and a back part, keeping or "
      "changing the extension, in the order you choose.");
  command->add_option("--front", options.front,
                      "Text before the number (default: none). It may take parts of each file's own name "
                      "and times: <name> <ext> <parent> <date:FORMAT> <taken:FORMAT>, FORMAT writing %Y "
                      "%m %d %H %M %S and %%.");
  command
      ->add_option("--start", options.start,
                   "First number, 1 to 8 digits (default 1). A leading zero fixes the width: 001 gives "
                   "001, 002, ... up to 999.")
      ->type_name("DIGITS");
  command->add_option("--back", options.back, "Text after the number (default: none); tokens as in --front.");
  command->add_option("--increment", options.increment, "Step between numbers (default 1).")->type_name("N");
  command
      ->add_option("--order", options.order,
                   "Numbering order: by name, extension, size, modification date, user (the order of "
                   "the PATHs; folders are refused then), natural (by name, with numbers in names "
                   "compared by value: a2 before a10), or taken (by the date a photo or video was taken, "
                   "from its EXIF or container metadata, then the modification time and the name; a file "
                   "recording none goes by its modification time, and their count is told). Default: name.")
      ->transform(WordChoice(core::kOrderWords))
      ->type_name(WordTypeName(core::kOrderWords));
  command->add_flag("--descending", options.descending, "Number in reverse order.");
  command
      ->add_option("--new-ext", options.newExtension,
                   "Change the extension to TEXT (without the dot); an empty TEXT removes it (asks, or "
                   "--yes). Without this option every file keeps its extension.")
      ->type_name("TEXT");
  AddCommonOptions(*command, options.common, CommonOptionsKind::Numbering);
  return command;
}

int RunRenameCommand(const RenameOptions& options, const BatchIo& io, core::FileSystem& fileSystem) {
  core::StartRequest request =
      RequestOf(core::OperatingMode::SequentialRename, options.common, options.newExtension);
  request.startNumber = options.start;
  request.frontPart = options.front;
  request.backPart = options.back;
  request.increment = options.increment;
  request.sortType = static_cast<int>(options.order);
  request.descending = options.descending;
  return CheckAndRun(request, options.common, io, fileSystem);
}

}  // namespace morvane::cli
