#include "cli/rename_command.h"

#include <charconv>
#include <ostream>

#include "cli/choices.h"
#include "cli/dry_run_file_system.h"
#include "cli/run_output.h"
#include "core/log/result_log.h"
#include "core/modes/numbering/sequence_run.h"
#include "core/names/extension_filter.h"
#include "core/run/run_frame.h"
#include "core/text/trim.h"
#include "core/text/visible_name.h"
#include "core/time/local_time.h"

namespace morvane::cli {
namespace {

constexpr std::string_view kNoStartNumber = "\r\n開始番号が指定されていません。";
constexpr std::string_view kNotInteger = "' は整数ではありません";
constexpr std::string_view kNoExtension =
    "拡張子が入力されていません。\r\n選択ファイルをすべて 拡張子なし にしますか？";
constexpr std::string_view kNoFoldersInUserOrder =
    "\r\n連番をつける順序が“ユーザ指定”の場合、フォルダは選択できません。";

std::string Native(std::string_view utf8) { return core::ActiveCodePage().FromUtf8(utf8); }

std::optional<int> ParseIncrement(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty() || text.front() == '-') {
    return std::nullopt;
  }
  return value;
}

// The checks of the rename fields that touch nothing; the settings they give.
std::optional<core::RunSettings> ValidateFields(const RenameOptions& options,
                                                const std::vector<std::string>& paths, const BatchIo& io,
                                                const core::FileSystem& fileSystem) {
  if (options.start.empty()) {
    PrintMessage(io.err, Native(kNoStartNumber));
    return std::nullopt;
  }
  if (!AcceptedByField(io, "--start", "cboStartSeqNbr", options.start, "the start number") ||
      !AcceptedByField(io, "--front", "cboKyotsuName", options.front) ||
      !AcceptedByField(io, "--back", "cboKyotsuName2", options.back) ||
      !AcceptedByField(io, "--increment", "edtZoubun", options.increment, "the increment") ||
      (options.common.types && !AcceptedByField(io, "--types", "cboExtension", *options.common.types))) {
    return std::nullopt;
  }
  const std::optional<int> increment = ParseIncrement(options.increment);
  if (!increment) {
    PrintMessage(io.err, "'" + options.increment + Native(kNotInteger));
    return std::nullopt;
  }

  core::RunSettings settings;
  settings.frontPart = options.front;
  settings.startText = options.start;
  settings.backPart = options.back;
  settings.sortType = options.order;
  settings.increment = *increment;
  settings.nameCase = options.common.nameCase;
  settings.extensionCase = options.common.extensionCase;
  settings.descending = options.descending;
  settings.renameInPlace = options.common.inPlace;
  if (options.newExtension) {
    settings.changeExtension = true;
    settings.newExtensionText = std::string(core::TrimBlanks(*options.newExtension));
    if (!AcceptedByField(io, "--new-ext", "cboChgExt", settings.newExtensionText)) return std::nullopt;
  }

  if (settings.sortType == core::SortType::UserOrder) {
    for (const std::string& path : paths) {
      if (fileSystem.IsFolder(path)) {
        PrintMessage(io.err, Native(kNoFoldersInUserOrder));
        io.err << "  " << core::VisibleName(path) << '\n';
        return std::nullopt;
      }
    }
  }
  if (settings.changeExtension && settings.newExtensionText.empty() &&
      !AnswerYes(options.common, io, Native(kNoExtension))) {
    return std::nullopt;
  }
  return settings;
}

int DryRun(core::SequenceRunInputs inputs, const std::vector<std::string>& paths, const BatchIo& io,
           core::FileSystem& fileSystem) {
  core::ResultLog log = DryRunLog(io);
  TerminalInteraction interaction(io, ConflictPolicy::Skip, inputs.settings.renameInPlace);
  core::SequenceRun run(std::move(inputs), fileSystem, log, interaction);
  run.Collect(paths);
  return EndDryRun(io, run, interaction);
}

}  // namespace

CLI::App* AddRenameCommand(CLI::App& app, RenameOptions& options) {
  CLI::App* command = app.add_subcommand(
      "rename",
      "Give every file a new name made of a front part, a running number and a back part, keeping or "
      "changing the extension, in the order you choose.");
  command->add_option("--front", options.front, "Text before the number (default: none).");
  command
      ->add_option("--start", options.start,
                   "First number, 1 to 8 digits (default 1). A leading zero fixes the width: 001 gives "
                   "001, 002, ... up to 999.")
      ->type_name("DIGITS");
  command->add_option("--back", options.back, "Text after the number (default: none).");
  command->add_option("--increment", options.increment, "Step between numbers (default 1).")->type_name("N");
  const std::vector<std::pair<std::string, core::SortType>> orders = {{"name", core::SortType::Name},
                                                                      {"ext", core::SortType::Extension},
                                                                      {"size", core::SortType::Size},
                                                                      {"date", core::SortType::ModifiedDate},
                                                                      {"user", core::SortType::UserOrder}};
  command
      ->add_option("--order", options.order,
                   "Numbering order: by name, extension, size, modification date, or user (the order of "
                   "the PATHs; folders are refused then). Default: name.")
      ->transform(WordChoice(orders))
      ->type_name("name|ext|size|date|user");
  command->add_flag("--descending", options.descending, "Number in reverse order.");
  command
      ->add_option("--new-ext", options.newExtension,
                   "Change the extension to TEXT (without the dot); an empty TEXT removes it (asks, or "
                   "--yes). Without this option every file keeps its extension.")
      ->type_name("TEXT");
  AddCommonOptions(*command, options.common, CommonOptionsKind::Numbering);
  return command;
}

int RunRenameCommand(const RenameOptions& options, const BatchIo& io, core::FileSystem& realFileSystem) {
  const std::vector<std::string> paths = AbsolutePaths(options.common.paths);
  DryRunFileSystem dryRunFileSystem(realFileSystem);
  core::FileSystem& fileSystem =
      options.common.dryRun ? static_cast<core::FileSystem&>(dryRunFileSystem) : realFileSystem;

  std::optional<core::RunSettings> settings = ValidateFields(options, paths, io, fileSystem);
  if (!settings) return kExitRefused;
  if (!settings->renameInPlace) {
    const std::optional<std::string> folder = PrepareOutputFolder(options.common, io, fileSystem);
    if (!folder) return kExitRefused;
    settings->outputFolder = *folder;
  }

  const ProgramSettings program = LoadProgramSettings(options.common, fileSystem);
  const std::string typesText = options.common.types.value_or(core::AllFilesText());
  core::SequenceRunInputs inputs{std::move(*settings), core::BuildExtensionFilter(typesText), typesText,
                                 program.protectedExtensions};
  if (options.common.dryRun) return DryRun(std::move(inputs), paths, io, fileSystem);

  const ConflictPolicy policy = EffectivePolicy(options.common, io);
  return RunWithEchoedLog(program, io, fileSystem, [&](core::ResultLog& log) {
    TerminalInteraction interaction(io, policy, inputs.settings.renameInPlace);
    core::SequenceRun run(std::move(inputs), fileSystem, log, interaction);
    core::WriteRunHeader(log, core::RunMode::SequentialRename, core::LocalNow());
    run.Collect(paths);
    run.Execute();
    run.WriteSummary();
    core::WriteRunFooter(log, core::RunMode::SequentialRename, core::LocalNow());
    return RunOutcome{run.EndMessage(), ExitStatusOf(run.State(), interaction), interaction.LeftSummary()};
  });
}

}  // namespace morvane::cli
