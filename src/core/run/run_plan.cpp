#include "core/run/run_plan.h"

#include <algorithm>

#include "core/fs/planning_file_system.h"
#include "core/log/result_log.h"
#include "core/run/run_driver.h"

namespace morvane::core {
namespace {

// Records each file as the run tells it; answers every conflict alike.
class PlanRecorder : public RunInteraction {
 public:
  PlanRecorder(RunPlan& plan, OverwriteChoice answer, bool renamesInPlace)
      : m_plan(plan), m_answer(answer), m_inPlace(renamesInPlace) {}

  OverwriteChoice AskOverwrite(const OverwriteQuestion&) override {
    m_asked = true;
    return m_answer;
  }
  void ShowInformation(std::string_view) override {}
  void SetCaption(std::string_view) override {}
  void ProgressBegin(std::size_t) override {}
  void ProgressStep() override {}
  void ProgressEnd() override {}
  void FileLeft(const LeftFile& file) override {
    Add({OutcomeOf(file.reason), std::string(file.path), std::string(file.newPath), m_asked});
  }
  void FileDone(const DoneFile& file) override {
    Add({OutcomeOf(file, m_inPlace), std::string(file.path), std::string(file.newPath), m_asked});
  }

 private:
  void Add(PlanEntry entry) {
    m_plan.entries.push_back(std::move(entry));
    m_asked = false;
  }

  RunPlan& m_plan;
  OverwriteChoice m_answer;
  bool m_inPlace;
  bool m_asked = false;
};

}  // namespace

std::string_view OutcomeName(PlanOutcome outcome) {
  switch (outcome) {
    case PlanOutcome::Renamed:
      return "renamed";
    case PlanOutcome::Copied:
      return "copied";
    case PlanOutcome::Overwritten:
      return "overwritten";
    case PlanOutcome::AlreadyNamed:
      return "already-named";
    case PlanOutcome::Taken:
      return "taken";
    case PlanOutcome::Protected:
      return "protected";
    case PlanOutcome::Filtered:
      return "filtered";
    case PlanOutcome::Missing:
      return "missing";
    case PlanOutcome::PathTooLong:
      return "path-too-long";
    case PlanOutcome::TextNotFound:
      return "text-not-found";
    case PlanOutcome::Failed:
      break;
  }
  return "failed";
}

PlanOutcome OutcomeOf(LeftReason reason) {
  switch (reason) {
    case LeftReason::NameTaken:
      return PlanOutcome::Taken;
    case LeftReason::Protected:
      return PlanOutcome::Protected;
    case LeftReason::Filtered:
      return PlanOutcome::Filtered;
    case LeftReason::Missing:
      return PlanOutcome::Missing;
    case LeftReason::PathTooLong:
      return PlanOutcome::PathTooLong;
    case LeftReason::TextNotFound:
      return PlanOutcome::TextNotFound;
    case LeftReason::Failed:
      break;
  }
  return PlanOutcome::Failed;
}

PlanOutcome OutcomeOf(const DoneFile& file, bool renamesInPlace) {
  if (file.path == file.newPath) return PlanOutcome::AlreadyNamed;
  if (file.replaced) return PlanOutcome::Overwritten;
  return renamesInPlace ? PlanOutcome::Renamed : PlanOutcome::Copied;
}

std::size_t RunPlan::CountOf(PlanOutcome outcome) const {
  return static_cast<std::size_t>(
      std::ranges::count_if(entries, [outcome](const PlanEntry& entry) { return entry.outcome == outcome; }));
}

RunPlan MakeRunPlan(ReadyRun run, const ProtectedExtensions& protectedExtensions, FileSystem& fileSystem,
                    const std::vector<std::string>& targets, OverwriteChoice answer,
                    const CodePage& codePage) {
  RunPlan plan;
  const bool inPlace =
      run.mode == RunMode::SequentialRename ? run.numbering.renameInPlace : run.others.renameInPlace;
  PlanningFileSystem planning(fileSystem, codePage);
  PlanRecorder recorder(plan, answer, inPlace);
  // The log keeps nothing: the planning file system writes no file.
  ResultLog log("plan", "plan", false, planning);
  const std::unique_ptr<RunEngine> engine =
      MakeRunEngine(std::move(run), protectedExtensions, planning, log, recorder, codePage);
  DriveRun(*engine, log, targets, {}, LocalNow, codePage);
  plan.counts = engine->Counts();
  return plan;
}

}  // namespace morvane::core
