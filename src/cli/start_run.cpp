#include "cli/start_run.h"

#include <ostream>

#include "cli/run_output.h"
#include "cli/start_refusals.h"
#include "core/fs/planning_file_system.h"
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

}  // namespace

int CheckAndRun(const core::StartRequest& request, const CommonOptions& options, const BatchIo& io,
                core::FileSystem& realFileSystem) {
  // A dry run is the run itself over a file system that records instead of doing, so
  // that it meets its own earlier steps as the real run would and prints what it prints.
  core::PlanningFileSystem planning(realFileSystem);
  core::FileSystem& fileSystem = options.dryRun ? static_cast<core::FileSystem&>(planning) : realFileSystem;

  CommandLineAnswers answers(options, io);
  core::StartDecision decision = core::CheckStart(request, fileSystem, answers);
  if (!decision.Ready()) {
    ReportStartRefusal(io, *decision.refusal, request);
    return kExitRefused;
  }
  const ProgramSettings program = LoadProgramSettings(options, fileSystem);
  ConflictPolicy policy = EffectivePolicy(options, io);
  if (options.dryRun && policy == ConflictPolicy::Ask) policy = ConflictPolicy::WouldAsk;
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
