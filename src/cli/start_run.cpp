#include "cli/start_run.h"

#include <ostream>

#include "cli/run_output.h"
#include "cli/start_refusals.h"
#include "core/fs/planning_file_system.h"
#include "core/names/extension_filter.h"
#include "core/pipeline/journaled_run.h"
#include "core/pipeline/run_plan.h"
#include "core/run/run_driver.h"
#include "core/targets/folder_walk.h"

namespace morvane::cli {
namespace {

class CommandLineAnswers : public core::StartAnswers {
 public:
  CommandLineAnswers(const CommonOptions& options, const BatchIo& io) : m_options(options), m_io(io) {}

  bool Ask(const core::StartQuestion& question) override {
    return question.kind == core::StartQuestion::Kind::GoAhead || AnswerYes(m_options, m_io, question.text);
  }

 private:
  const CommonOptions& m_options;
  const BatchIo& m_io;
};

// The plan for scripts: the window's plan of the run, each conflict answered by the
// policy, printed as one record per file the run meets, in run order: three fields
// each ended by a NUL byte, the outcome (OutcomeName), the source path and the new path
// (empty when there is none), paths as their exact bytes.
int PrintPlanRecords(core::ReadyRun run, const ProgramSettings& program,
                     const std::vector<std::string>& targets, ConflictPolicy policy, const BatchIo& io,
                     core::FileSystem& fileSystem) {
  const core::RunPlan plan =
      core::MakeRunPlan(std::move(run), program.protectedExtensions, fileSystem, targets, policy);
  for (const core::PlanEntry& entry : plan.entries)
    io.out << core::OutcomeName(entry.outcome) << '\0' << entry.source << '\0' << entry.newPath << '\0';
  io.out << std::flush;
  if (plan.counts.abortRequested) return kExitAborted;
  return plan.counts.failureCount > 0 || plan.leftUnchosen ? kExitFailures : kExitSuccess;
}

// "3 files of the folders given left out by --types txt,jpg", or "" when none was.
std::string LeftOutByTypesLine(const std::vector<std::string>& targets, const CommonOptions& options,
                               const core::FileSystem& fileSystem) {
  if (!options.types) return {};
  const std::size_t count =
      core::CountFilesLeftOutOfFolders(fileSystem, targets, core::BuildExtensionFilter(*options.types));
  if (count == 0) return {};
  return std::to_string(count) + (count == 1 ? " file" : " files") +
         " of the folders given left out by --types " + *options.types;
}

}  // namespace

core::StartRequest RequestOf(core::OperatingMode mode, const CommonOptions& options,
                             const std::optional<std::string>& newExtension) {
  core::StartRequest request;
  request.mode = mode;
  request.changeExtension = newExtension.has_value();
  request.newExtension = newExtension.value_or("");
  request.nameCase = options.nameCase;
  request.extensionCase = options.extensionCase;
  request.renameInPlace = options.inPlace;
  request.outputFolder = options.output.value_or("");
  request.fileTypes = options.types.value_or(core::AllFilesText());
  request.targets = AbsolutePaths(options.paths);
  return request;
}

int CheckAndRun(const core::StartRequest& given, const CommonOptions& options, const BatchIo& io,
                core::FileSystem& realFileSystem) {
  core::StartRequest request = given;
  if (options.subfolders) request.targets = WithSubfolders(request.targets, realFileSystem);
  // Counted before the run: a folder's files of other types never reach it to be told.
  const std::string typesClosing = LeftOutByTypesLine(request.targets, options, realFileSystem);
  // A dry run is the run itself over a file system that records instead of doing, so
  // that it meets its own earlier steps as the real run would and prints what it prints.
  core::PlanningFileSystem planning(realFileSystem);
  const bool planOnly = options.dryRun || options.planRecords;
  core::FileSystem& fileSystem = planOnly ? static_cast<core::FileSystem&>(planning) : realFileSystem;

  CommandLineAnswers answers(options, io);
  core::StartDecision decision = core::CheckStart(request, fileSystem, answers);
  if (!decision.Ready()) {
    ReportStartRefusal(io, *decision.refusal, request);
    return kExitRefused;
  }
  const ProgramSettings program = LoadProgramSettings(options, fileSystem);
  ConflictPolicy policy = EffectivePolicy(options, io);
  if (planOnly && policy == ConflictPolicy::Ask) policy = ConflictPolicy::WouldAsk;
  const bool inPlace = request.RenamesInPlace();
  decision.run->resolveChains = options.resolveChains;
  if (options.planRecords) {
    return PrintPlanRecords(std::move(*decision.run), program, request.targets, policy, io, fileSystem);
  }
  if (planOnly) {
    return RunWithEchoedLog(program, io, fileSystem, [&](core::ResultLog& log) {
      TerminalInteraction interaction(io, policy, inPlace);
      const std::unique_ptr<core::RunEngine> engine = core::MakeRunEngine(
          std::move(*decision.run), program.protectedExtensions, fileSystem, log, interaction);
      std::string endMessage = core::DriveRun(*engine, log, request.targets);
      return RunOutcome{std::move(endMessage), ExitStatusOf(engine->Counts(), interaction),
                        interaction.LeftSummary(), true, typesClosing};
    });
  }
  // The real run keeps an undo journal, written ahead of every change it makes.
  core::JournaledRun run(fileSystem, program.files.folder, std::move(*decision.run),
                         program.protectedExtensions, core::LocalNow());
  if (const std::optional<core::JournalFailure>& failure = run.Failure()) {
    io.err << JournalFailureText(*failure) << '\n';
    return kExitRefused;
  }
  return RunWithEchoedLog(program, io, fileSystem, [&](core::ResultLog& log) {
    TerminalInteraction interaction(io, policy, inPlace);
    core::JournaledRunEnd end = run.Drive(log, interaction, request.targets);
    return RunOutcome{std::move(end.endMessage), ExitStatusOf(end.counts, interaction),
                      interaction.LeftSummary(), false, typesClosing};
  });
}

}  // namespace morvane::cli
