#include "cli/mode_commands.h"

#include <ostream>

#include "cli/dry_run_file_system.h"
#include "cli/run_output.h"
#include "core/modes/renaming/mode_run.h"
#include "core/names/extension_filter.h"
#include "core/text/trim.h"

namespace morvane::cli {
namespace {

constexpr std::string_view kNoExtension =
    "拡張子が入力されていません。\r\n選択ファイルをすべて 拡張子なし にしますか？";
constexpr std::string_view kBothCasesKept = "\r\n共通部分の大小と拡張子の大小がどちらも無変換です。";
constexpr std::string_view kNoStringA = "\r\n文字列 A が指定されていません。";
constexpr std::string_view kEmptyStringB =
    "文字列 B が空欄の場合、ファイル名中の文字列 A を削除します。\r\nよろしいですか？";
constexpr std::string_view kNothingToAdd = "\r\n追加文字列が指定されていません。";

std::string Native(std::string_view utf8) { return core::ActiveCodePage().FromUtf8(utf8); }

struct CommandText {
  const char* name;
  const char* description;
};

CommandText TextOf(core::RunMode mode) {
  switch (mode) {
    case core::RunMode::ExtensionChange:
      return {"ext",
              "Give every file a new extension, or remove it (--new-ext \"\"); the name before it stays."};
    case core::RunMode::CaseConversion:
      return {"case",
              "Convert the letter case of the names and extensions (ASCII letters only), always in place."};
    case core::RunMode::StringReplacement:
      return {"replace",
              "Replace every occurrence of a text in the names (before the extension) by another."};
    case core::RunMode::StringAddition:
      return {"add", "Put a text in front of and/or behind every name (before the extension)."};
    case core::RunMode::SequentialRename:
      break;
  }
  return {"", ""};
}

// The new extension option: trimmed, checked like its field, and an empty one confirmed.
bool AcceptNewExtension(const ModeOptions& options, const BatchIo& io, std::string& extension) {
  extension = std::string(core::TrimBlanks(*options.newExtension));
  if (!AcceptedByField(io, "--new-ext", "cboChgExt", extension)) return false;
  return !extension.empty() || AnswerYes(options.common, io, Native(kNoExtension));
}

// The mode's own checks and questions; the run's inputs when it may start.
std::optional<core::ModeRunInputs> ValidateFields(const ModeOptions& options, const BatchIo& io) {
  core::ModeRunInputs inputs;
  inputs.mode = options.mode;
  core::NameEditSettings& names = inputs.names;
  names.nameCase = options.common.nameCase;
  names.extensionCase = options.common.extensionCase;
  if (options.common.types && !AcceptedByField(io, "--types", "cboExtension", *options.common.types)) {
    return std::nullopt;
  }
  switch (options.mode) {
    case core::RunMode::ExtensionChange:
      if (!AcceptNewExtension(options, io, names.newExtensionText)) return std::nullopt;
      names.changeExtension = true;
      break;
    case core::RunMode::CaseConversion:
      if (options.outputForCase) {
        io.err << "--output: the case conversion always renames in place\n";
        return std::nullopt;
      }
      if (names.nameCase == 0 && names.extensionCase == 0) {
        PrintMessage(io.err, Native(kBothCasesKept));
        return std::nullopt;
      }
      break;
    case core::RunMode::StringReplacement:
      if (options.find.empty()) {
        PrintMessage(io.err, Native(kNoStringA));
        return std::nullopt;
      }
      if (!AcceptedByField(io, "--find", "cboChgStr", options.find) ||
          !AcceptedByField(io, "--replace-with", "cboChgStr2", options.replaceWith)) {
        return std::nullopt;
      }
      if (options.replaceWith.empty() && !AnswerYes(options.common, io, Native(kEmptyStringB)))
        return std::nullopt;
      names.stringA = options.find;
      names.stringB = options.replaceWith;
      names.caseSensitive = !options.ignoreCase;
      break;
    case core::RunMode::StringAddition:
      if (options.prefix.empty() && options.suffix.empty()) {
        PrintMessage(io.err, Native(kNothingToAdd));
        return std::nullopt;
      }
      if (!AcceptedByField(io, "--prefix", "cboAddStr", options.prefix) ||
          !AcceptedByField(io, "--suffix", "cboAddStr2", options.suffix)) {
        return std::nullopt;
      }
      names.stringA = options.prefix;
      names.stringB = options.suffix;
      break;
    case core::RunMode::SequentialRename:
      return std::nullopt;
  }
  if (options.newExtension && options.mode != core::RunMode::ExtensionChange) {
    if (!AcceptNewExtension(options, io, names.newExtensionText)) return std::nullopt;
    names.changeExtension = true;
  }
  inputs.renameInPlace = options.mode == core::RunMode::CaseConversion || options.common.inPlace;
  return inputs;
}

int DryRun(core::ModeRunInputs inputs, const std::vector<std::string>& paths, const BatchIo& io,
           core::FileSystem& fileSystem) {
  core::ResultLog log = DryRunLog(io);
  TerminalInteraction interaction(io, ConflictPolicy::Skip, inputs.renameInPlace);
  core::ModeRun run(std::move(inputs), fileSystem, log, interaction);
  run.Collect(paths);
  return EndDryRun(io, run, interaction);
}

}  // namespace

CLI::App* AddModeCommand(CLI::App& app, ModeOptions& options) {
  const CommandText text = TextOf(options.mode);
  CLI::App* command = app.add_subcommand(text.name, text.description);
  switch (options.mode) {
    case core::RunMode::ExtensionChange:
      command
          ->add_option("--new-ext", options.newExtension,
                       "The new extension, without the dot (at most 5 characters); an empty TEXT removes the "
                       "extension (asks, or --yes).")
          ->type_name("TEXT")
          ->required();
      break;
    case core::RunMode::StringReplacement:
      command->add_option("--find", options.find, "The text A to replace (required, taken exactly as typed).")
          ->type_name("A")
          ->required();
      command
          ->add_option("--replace-with", options.replaceWith,
                       "The replacement B; empty or left out deletes A (asks, or --yes).")
          ->type_name("B");
      command->add_flag("--ignore-case", options.ignoreCase, "Let A match ASCII letters of either case.");
      break;
    case core::RunMode::StringAddition:
      command->add_option("--prefix", options.prefix, "Text put in front of every name.")->type_name("A");
      command->add_option("--suffix", options.suffix, "Text put behind every name, before the extension.")
          ->type_name("B");
      break;
    case core::RunMode::CaseConversion:
    case core::RunMode::SequentialRename:
      break;
  }
  if (options.mode == core::RunMode::StringReplacement || options.mode == core::RunMode::StringAddition) {
    command
        ->add_option(
            "--new-ext", options.newExtension,
            "Also change the extension to TEXT (without the dot); an empty TEXT removes it (asks, or "
            "--yes).")
        ->type_name("TEXT");
  }
  if (options.mode == core::RunMode::CaseConversion) {
    AddCommonOptions(*command, options.common, CommonOptionsKind::InPlaceOnly);
    command
        ->add_option("--output", options.outputForCase,
                     "Not accepted: the files are always renamed in place.")
        ->type_name("DIR");
  } else {
    AddCommonOptions(*command, options.common, CommonOptionsKind::Copying);
  }
  return command;
}

int RunModeCommand(const ModeOptions& options, const BatchIo& io, core::FileSystem& realFileSystem) {
  const std::vector<std::string> paths = AbsolutePaths(options.common.paths);
  DryRunFileSystem dryRunFileSystem(realFileSystem);
  core::FileSystem& fileSystem =
      options.common.dryRun ? static_cast<core::FileSystem&>(dryRunFileSystem) : realFileSystem;

  // The output folder is checked first, as the window's Start button does.
  std::string outputFolder;
  if (options.mode != core::RunMode::CaseConversion && !options.common.inPlace && !options.outputForCase) {
    const std::optional<std::string> folder = PrepareOutputFolder(options.common, io, fileSystem);
    if (!folder) return kExitRefused;
    outputFolder = *folder;
  }
  std::optional<core::ModeRunInputs> inputs = ValidateFields(options, io);
  if (!inputs) return kExitRefused;
  inputs->outputFolder = outputFolder;

  const ProgramSettings program = LoadProgramSettings(options.common, fileSystem);
  inputs->filterText = options.common.types.value_or(core::AllFilesText());
  inputs->filter = core::BuildExtensionFilter(inputs->filterText);
  inputs->protectedExtensions = program.protectedExtensions;
  if (options.common.dryRun) return DryRun(std::move(*inputs), paths, io, fileSystem);

  const ConflictPolicy policy = EffectivePolicy(options.common, io);
  return RunWithEchoedLog(program, io, fileSystem, [&](core::ResultLog& log) {
    TerminalInteraction interaction(io, policy, inputs->renameInPlace);
    core::ModeRun run(std::move(*inputs), fileSystem, log, interaction);
    run.Run(paths);
    return RunOutcome{run.EndMessage(), ExitStatusOf(run.State(), interaction), interaction.LeftSummary()};
  });
}

}  // namespace morvane::cli
