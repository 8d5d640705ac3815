#include "cli/common_options.h"

#include <filesystem>
#include <ostream>

#include "cli/word_choice.h"
#include "core/presets/option_words.h"
#include "core/settings/protected_extension_settings.h"
#include "core/settings/settings_store.h"
#include "core/targets/folder_walk.h"
#include "core/targets/target_list.h"
#include "platform/program_folder.h"

namespace morvane::cli {
std::vector<std::string> AbsolutePaths(const std::vector<std::string>& paths) {
  std::vector<std::string> absolute;
  absolute.reserve(paths.size());
  std::string here;
  for (const std::string& path : paths) {
    if (path.starts_with('/')) {
      absolute.push_back(path);
      continue;
    }
    if (here.empty()) here = std::filesystem::current_path().native();
    std::string joined = here;
    if (!joined.ends_with('/')) joined += '/';
    joined += path;
    absolute.push_back(std::move(joined));
  }
  return absolute;
}

std::vector<std::string> WithSubfolders(const std::vector<std::string>& paths,
                                        const core::FileSystem& fileSystem) {
  core::TargetList list;
  for (const std::string& path : paths) {
    if (!fileSystem.IsFolder(path)) {
      list.Append(path);
      continue;
    }
    list.AppendUnique(path);
    std::vector<std::string> below;
    core::WalkSubfolders(fileSystem, path, [&below](const std::string& found) { below.push_back(found); });
    list.AppendEachUnique(below);
  }
  return list.Paths();
}

void AddCommonOptions(CLI::App& command, CommonOptions& options, CommonOptionsKind kind, bool withCases,
                      bool withPaths) {
  if (withPaths) {
    command
        .add_option("PATH", options.paths,
                    "Files to work on, in this order. A folder stands for the files directly inside it.")
        ->required();
    command.add_flag("--subfolders", options.subfolders,
                     "A folder PATH stands also for the files of every folder below it, hidden ones "
                     "included, as the window's folder dialog adds them with サブフォルダも選択 (a folder "
                     "reached again through a link is taken once).");
    command.add_option("--types", options.types,
                       "Only files with these extensions, comma-separated without dots (\"txt,jpg\"); "
                       "default: all files.");
    command
        .add_option("--preset", options.preset,
                    "Take the options of the preset NAME, saved with --save-preset or in the window "
                    "(オプション > プリセット). An option given beside it wins over the preset's; --in-place "
                    "or --output replaces the preset's destination, and --FLAG=false turns off a flag "
                    "the preset turns on.")
        ->type_name("NAME");
    command
        .add_option("--save-preset", options.savePreset,
                    "Save the options given (with those of --preset) as the preset NAME in the Presets "
                    "folder of the program folder, replacing one of that name, and then run; without "
                    "PATH only save. The files, --yes, --dry-run, --plan and --log are not saved.")
        ->type_name("NAME");
  }
  const bool offerAuto = kind == CommonOptionsKind::Numbering;
  if (kind == CommonOptionsKind::InPlaceOnly) {
    command.add_flag("--in-place", options.inPlace,
                     "Rename the files in their own folders (always so here).");
  } else {
    CLI::App* destination = command.add_option_group("destination", "Where the results go (exactly one):");
    destination->add_flag("--in-place", options.inPlace, "Rename the files in their own folders.");
    destination
        ->add_option("--output", options.output,
                     "Copy the files under their new names into the absolute folder DIR "
                     "(the originals stay).")
        ->type_name("DIR");
    destination->require_option(1);
  }
  if (withCases) {
    command.add_option("--name-case", options.nameCase, "Letter case of the new name: none, upper or lower.")
        ->transform(WordChoice(core::kCaseWords))
        ->type_name(WordTypeName(core::kCaseWords));
    command
        .add_option("--ext-case", options.extensionCase,
                    "Letter case of the extension: none, upper or lower.")
        ->transform(WordChoice(core::kCaseWords))
        ->type_name(WordTypeName(core::kCaseWords));
  }

  const std::string_view leftOut = offerAuto ? "" : core::kNumberingOnlyConflictWord;
  command
      .add_option(
          "--on-conflict", options.onConflict,
          std::string("When a new name is already taken: ask, overwrite (copies only; a file is never "
                      "overwritten when renaming in place or when it is itself still waiting to be "
                      "processed: it is skipped and reported), ") +
              (offerAuto ? "auto (take the next free number), " : "") +
              "skip, or abort. Default: ask when standard input is a terminal, otherwise skip (and exit 1).")
      ->transform(WordChoice(core::kConflictWords, leftOut))
      ->type_name(WordTypeName(core::kConflictWords, leftOut));

  command.add_flag("--yes", options.yes,
                   "Answer Yes to the questions asked before a run (an empty new extension, an empty "
                   "replacement, creating a missing output folder).");
  command.add_flag("--dry-run", options.dryRun,
                   "Show what the run would do, exactly as it would show it (its result lines, the "
                   "files it would leave and its exit status), and change nothing; no result file is "
                   "written. A conflict the run would ask about is shown and skipped.");
  command.add_flag(
      "--plan", options.planRecords,
      "Like --dry-run, but print the plan for scripts instead: one record per file in run order, "
      "three fields each ended by a NUL byte (the outcome, the source path, the new path or nothing), "
      "paths as their exact bytes. Outcomes: renamed, copied, overwritten, already-named, taken, "
      "taken-by-run (taken by a file of the same run), protected, filtered, missing, path-too-long, "
      "text-not-found, nothing-to-convert, unconvertible (a name that is not valid text, or whose "
      "new name would be empty or hold '/' or NUL), match-limit (the regular expression gave up), failed, "
      "over-maximum (the numbers ran out first), not-reached (the "
      "run was "
      "aborted first).");
  command.add_flag("--resolve-chains", options.resolveChains,
                   "When renaming in place, let a file take the name of another file of the same run "
                   "that moves later in it (renumbering a folder by one, or reversing its order): that "
                   "file first steps aside to a temporary name in its folder, which the result file "
                   "records, and takes its own new name at its turn. Nothing is ever replaced; a file "
                   "whose old name is taken when the run ends stays under its temporary name.");
  command.add_flag("--log", options.log,
                   "Also append the result lines to Rename.log (default: as the settings say).");
}

ConflictPolicy EffectivePolicy(const CommonOptions& options, const BatchIo& io) {
  if (options.onConflict) return *options.onConflict;
  return io.interactive ? ConflictPolicy::Ask : ConflictPolicy::Unanswered;
}

bool AnswerYes(const CommonOptions& options, const BatchIo& io, std::string_view question) {
  if (options.yes) return true;
  if (io.interactive) return AskYesNo(io, question);
  PrintMessage(io.err, question);
  io.err << "(no answer without a terminal: --yes answers Yes)\n";
  return false;
}

ProgramSettings LoadProgramSettings(const CommonOptions& options, core::FileSystem& fileSystem) {
  ProgramSettings settings;
  settings.files = platform::ResolveProgramFiles();
  const core::SettingsStore store(settings.files.settingsFile, core::ActiveCodePage(), fileSystem);
  settings.protectedExtensions = core::LoadProtectedExtensions(store);
  settings.log = core::ReadLogSettings(store);
  if (options.log) settings.log.outputLog = true;
  return settings;
}

}  // namespace morvane::cli
