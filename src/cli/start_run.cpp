#include "cli/start_run.h"

#include <ostream>
#include <sstream>

#include "cli/plan_records.h"
#include "cli/run_output.h"
#include "cli/start_refusals.h"
#include "core/fs/planning_file_system.h"
#include "core/run/journaled_run.h"
#include "core/run/run_driver.h"

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

// The plan for scripts: the run over the planning file system, its lines and messages
// kept back, one record per file on standard output.
int PrintPlanRecords(core::ReadyRun run, const ProgramSettings& program,
                     const std::vector<std::string>& targets, ConflictPolicy policy, bool inPlace,
                     const BatchIo& io, core::FileSystem& fileSystem) {
  std::ostringstream kept;
  const BatchIo quiet{kept, kept, io.in, false};
  PlanRecords records(quiet, policy, inPlace);
  try {
    core::ResultLog log(program.files.resultFile, program.files.logFile, false, fileSystem);
    const std::unique_ptr<core::RunEngine> engine =
        core::MakeRunEngine(std::move(run), program.protectedExtensions, fileSystem, log, records);
    std::vector<core::PlannedMove> planned;
    core::RunSteps steps;
    steps.afterCollect = [&] { planned = engine->PlanNames(); };
    core::DriveRun(*engine, log, targets, steps);
    log.Close();
    records.Print(planned, engine->Counts(), io.out);
    io.out << std::flush;
    return ExitStatusOf(engine->Counts(), records);
  } catch (const core::LogWriteError& error) {
    return ReportLogWriteError(io, error);
  }
}

}  // namespace

int CheckAndRun(const core::StartRequest& request, const CommonOptions& options, const BatchIo& io,
                core::FileSystem& realFileSystem) {
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
  const bool inPlace = request.mode == core::RunMode::CaseConversion || request.renameInPlace;
  decision.run->resolveChains = options.resolveChains;
  if (options.planRecords) {
    return PrintPlanRecords(std::move(*decision.run), program, request.targets, policy, inPlace, io,
                            fileSystem);
  }
  if (planOnly) {
    return RunWithEchoedLog(program, io, fileSystem, [&](core::ResultLog& log) {
      TerminalInteraction interaction(io, policy, inPlace);
      const std::unique_ptr<core::RunEngine> engine = core::MakeRunEngine(
          std::move(*decision.run), program.protectedExtensions, fileSystem, log, interaction);
      std::string endMessage = core::DriveRun(*engine, log, request.targets);
      return RunOutcome{std::move(endMessage), ExitStatusOf(engine->Counts(), interaction),
                        interaction.LeftSummary()};
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
                      interaction.LeftSummary()};
  });
}

}  // namespace morvane::cli
