#include "cli/common_options.h"

#include <filesystem>
#include <ostream>

#include "cli/choices.h"
#include "core/names/input_class.h"
#include "core/run/output_folder_check.h"
#include "core/settings/settings_store.h"
#include "core/text/trim.h"
#include "platform/program_folder.h"

namespace morvane::cli {
namespace {

const std::vector<std::pair<std::string, int>> kCaseNames = {{"none", 0}, {"upper", 1}, {"lower", 2}};

// Why the output folder was refused, in the words of the help; the window's message
// follows it.
std::string OutputFolderRefusal(core::OutputFolderOutcome outcome, std::string_view folder) {
  const std::string quoted = "\"" + std::string(folder) + "\"";
  switch (outcome) {
    case core::OutputFolderOutcome::Empty:
      return "--output: no folder given";
    case core::OutputFolderOutcome::NotAbsolute:
      return "--output: " + quoted + " is not an absolute path; give the folder's full path, starting with /";
    case core::OutputFolderOutcome::DriveNotReady:
      return "--output: the drive that holds " + quoted + " cannot be opened";
    case core::OutputFolderOutcome::OpticalDrive:
      return "--output: " + quoted + " is on an optical disc, which cannot be written";
    case core::OutputFolderOutcome::Declined:
      return "--output: " + quoted + " does not exist and was not created";
    case core::OutputFolderOutcome::NotCreated:
      return "--output: the folder " + quoted + " could not be created";
    case core::OutputFolderOutcome::Ready:
      break;
  }
  return "";
}

// The characters a field of the class refuses, as the help would list them.
std::string_view RefusedCharacters(core::InputClass inputClass) {
  switch (inputClass) {
    case core::InputClass::NameText:
      return "\" , / : ; < > ? \\ |";
    case core::InputClass::ExtensionList:
      return "\" . / : ; < > ? \\ |";
    case core::InputClass::SingleExtension:
      return "\" , . / : ; < > ? \\ |";
    case core::InputClass::Number:
      break;
  }
  return "";
}

}  // namespace

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
    absolute.push_back(here.ends_with('/') ? here + path : here + '/' + path);
  }
  return absolute;
}

void AddCommonOptions(CLI::App& command, CommonOptions& options, CommonOptionsKind kind) {
  command
      .add_option("PATH", options.paths,
                  "Files to work on, in this order. A folder stands for the files directly inside it.")
      ->required();
  command.add_option("--types", options.types,
                     "Only files with these extensions, comma-separated without dots (\"txt,jpg\"); "
                     "default: all files.");

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
  command.add_option("--name-case", options.nameCase, "Letter case of the new name: none, upper or lower.")
      ->transform(WordChoice(kCaseNames))
      ->type_name("none|upper|lower");
  command
      .add_option("--ext-case", options.extensionCase, "Letter case of the extension: none, upper or lower.")
      ->transform(WordChoice(kCaseNames))
      ->type_name("none|upper|lower");

  std::vector<std::pair<std::string, ConflictPolicy>> policies = {{"ask", ConflictPolicy::Ask},
                                                                  {"overwrite", ConflictPolicy::Overwrite}};
  if (offerAuto) policies.emplace_back("auto", ConflictPolicy::Auto);
  policies.emplace_back("skip", ConflictPolicy::Skip);
  policies.emplace_back("abort", ConflictPolicy::Abort);
  command
      .add_option(
          "--on-conflict", options.onConflict,
          std::string("When a new name is already taken: ask, overwrite (copies only; a file is never "
                      "overwritten when renaming in place or when it is itself still waiting to be "
                      "processed: it is skipped and reported), ") +
              (offerAuto ? "auto (take the next free number), " : "") +
              "skip, or abort. Default: ask when standard input is a terminal, otherwise skip (and exit 1).")
      ->transform(WordChoice(policies))
      ->type_name(offerAuto ? "ask|overwrite|auto|skip|abort" : "ask|overwrite|skip|abort");

  command.add_flag("--yes", options.yes,
                   "Answer Yes to the questions asked before a run (an empty new extension, an empty "
                   "replacement, creating a missing output folder).");
  command.add_flag("--dry-run", options.dryRun,
                   "Print \"source -> destination\" for every file and change nothing; no result file "
                   "is written.");
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

std::optional<std::string> PrepareOutputFolder(const CommonOptions& options, const BatchIo& io,
                                               core::FileSystem& fileSystem) {
  const std::string& text = *options.output;
  const core::OutputFolderCheck check =
      core::CheckOutputFolder(text, core::OutputFolderVariant::Start, fileSystem,
                              [&](std::string_view question) { return AnswerYes(options, io, question); });
  if (!check.Ready()) {
    io.err << OutputFolderRefusal(check.outcome, text) << '\n';
    PrintMessage(io.err, check.message);
    return std::nullopt;
  }
  std::string folder(core::TrimBlanks(text));
  if (!folder.empty() && folder.back() == '/') folder.pop_back();
  return folder;
}

bool AcceptedByField(const BatchIo& io, std::string_view optionName, std::string_view fieldName,
                     std::string_view text, std::string_view what) {
  const std::optional<core::FieldInput> input = core::InputOfField(fieldName);
  if (!input || core::FilterFieldText(*input, text) == text) return true;
  io.err << optionName << ": \"" << text << "\" is not accepted: ";
  if (input->inputClass == core::InputClass::Number) {
    io.err << (what.empty() ? std::string_view("the value") : what) << " must be digits (0-9)";
    if (input->maxChars) io.err << ", at most " << *input->maxChars << " of them";
  } else {
    io.err << "it may not hold any of " << RefusedCharacters(input->inputClass);
    if (input->maxChars) io.err << ", nor be longer than " << *input->maxChars << " characters";
  }
  io.err << '\n';
  return false;
}

}  // namespace morvane::cli
