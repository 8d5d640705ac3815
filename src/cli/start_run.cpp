#include "cli/start_run.h"

#include <ostream>

#include "cli/dry_run_file_system.h"
#include "cli/run_output.h"
#include "cli/start_refusals.h"
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

int DryRun(core::ReadyRun run, const ProgramSettings& program, const std::vector<std::string>& paths,
           const BatchIo& io, core::FileSystem& fileSystem) {
  core::ResultLog log = DryRunLog(io);
  const bool inPlace =
      run.mode == core::RunMode::SequentialRename ? run.numbering.renameInPlace : run.others.renameInPlace;
  TerminalInteraction interaction(io, ConflictPolicy::Skip, inPlace);
  const std::unique_ptr<core::RunEngine> engine =
      core::MakeRunEngine(std::move(run), program.protectedExtensions, fileSystem, log, interaction);
  engine->Collect(paths);
  return EndDryRun(io, *engine, interaction);
}

}  // namespace

int CheckAndRun(const core::StartRequest& request, const CommonOptions& options, const BatchIo& io,
                core::FileSystem& realFileSystem) {
  DryRunFileSystem dryRunFileSystem(realFileSystem);
  core::FileSystem& fileSystem =
      options.dryRun ? static_cast<core::FileSystem&>(dryRunFileSystem) : realFileSystem;

  CommandLineAnswers answers(options, io);
  core::StartDecision decision = core::CheckStart(request, fileSystem, answers);
  if (!decision.Ready()) {
    ReportStartRefusal(io, *decision.refusal, request);
    return kExitRefused;
  }
  const ProgramSettings program = LoadProgramSettings(options, fileSystem);
  if (options.dryRun) return DryRun(std::move(*decision.run), program, request.targets, io, fileSystem);

  const ConflictPolicy policy = EffectivePolicy(options, io);
  const bool inPlace = request.mode == core::RunMode::CaseConversion || request.renameInPlace;
  return RunWithEchoedLog(program, io, fileSystem, [&](core::ResultLog& log) {
    TerminalInteraction interaction(io, policy, inPlace);
    const std::unique_ptr<core::RunEngine> engine = core::MakeRunEngine(
        std::move(*decision.run), program.protectedExtensions, fileSystem, log, interaction);
    std::string endMessage = core::DriveRun(*engine, log, request.targets);
    return RunOutcome{std::move(endMessage), ExitStatusOf(engine->Counts(), interaction),
                      interaction.LeftSummary()};
  });
}

}  // namespace morvane::cli
