#include "core/pipeline/run_plan.h"

#include <algorithm>
#include <unordered_set>

#include "core/fs/planning_file_system.h"
#include "core/log/result_log.h"
#include "core/pipeline/chain_safe_run.h"
#include "core/run/run_driver.h"

namespace morvane::core {
namespace {

using PlanAnswers = std::function<PolicyAnswer(const OverwriteQuestion&)>;

// Records each file as the run tells it; answers each conflict as answers says.
class PlanRecorder : public RunInteraction {
 public:
  PlanRecorder(PlanCollector& collector, PlanAnswers answers, const PlanWatch* watch)
      : m_collector(collector), m_answers(std::move(answers)), m_watch(watch) {}

  OverwriteChoice AskOverwrite(const OverwriteQuestion& question) override {
    m_asked = true;
    const PolicyAnswer answer = m_answers(question);
    if (!answer.chosen) leftUnchosen = true;
    return answer.choice;
  }
  void ShowInformation(std::string_view) override {}
  void SetCaption(std::string_view) override {}
  bool ShowsCaption() const override { return false; }
  void ProgressBegin(std::size_t) override {}
  void ProgressStep() override {}
  void ProgressEnd() override {}
  void FileLeft(const LeftFile& file) override {
    m_collector.Left(file, m_asked);
    m_asked = false;
  }
  void FileDone(const DoneFile& file) override {
    m_collector.Done(file, m_asked);
    m_asked = false;
  }
  void TakenTimeMissing(std::string_view path) override { m_collector.TakenTimeMissing(path); }
  bool StopRequested() override { return m_watch != nullptr && m_watch->StopRequested(); }

  bool leftUnchosen = false;

 private:
  PlanCollector& m_collector;
  PlanAnswers m_answers;
  const PlanWatch* m_watch;
  bool m_asked = false;
};

bool Moves(PlanOutcome outcome) {
  return outcome == PlanOutcome::Renamed || outcome == PlanOutcome::Copied ||
         outcome == PlanOutcome::Overwritten;
}

// A taken name belongs to the run itself when it is the source of another file the run
// means to rename (still waiting, or left where it was) or a name an earlier file of
// the run took.
void TellRunConflictsApart(std::vector<PlanEntry>& entries, const std::vector<PlannedMove>& planned) {
  if (std::ranges::none_of(entries,
                           [](const PlanEntry& entry) { return entry.outcome == PlanOutcome::Taken; }))
    return;
  std::unordered_set<std::string_view> sources;
  sources.reserve(planned.size());
  for (const auto& move : planned) sources.insert(move.from);
  std::unordered_set<std::string_view> newNames;
  newNames.reserve(entries.size());
  for (PlanEntry& entry : entries) {
    if (entry.outcome == PlanOutcome::Taken &&
        ((entry.newPath != entry.source && sources.contains(entry.newPath)) ||
         newNames.contains(entry.newPath))) {
      entry.outcome = PlanOutcome::TakenByRun;
    }
    if (Moves(entry.outcome)) newNames.insert(entry.newPath);
  }
}

// The planned files (their indexes) that no entry tells of. The engines tell of their
// files in the planned order, so one walk through both usually finds them; when it
// finds any, a set over the entries says which, whatever the order.
std::vector<std::size_t> UntoldFiles(const std::vector<PlanEntry>& entries,
                                     const std::vector<PlannedMove>& planned) {
  std::size_t entry = 0;
  std::size_t next = 0;
  for (; next < planned.size(); ++next, ++entry) {
    while (entry < entries.size() && entries[entry].source != planned[next].from) ++entry;
    if (entry == entries.size()) break;
  }
  std::vector<std::size_t> untold;
  if (next == planned.size()) return untold;
  std::unordered_set<std::string_view> told;
  told.reserve(entries.size());
  for (const PlanEntry& each : entries) told.insert(each.source);
  for (std::size_t i = 0; i < planned.size(); ++i) {
    if (!told.contains(planned[i].from)) untold.push_back(i);
  }
  return untold;
}

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
    case PlanOutcome::NothingToConvert:
      return "nothing-to-convert";
    case PlanOutcome::Unconvertible:
      return "unconvertible";
    case PlanOutcome::MatchLimit:
      return "match-limit";
    case PlanOutcome::TakenByRun:
      return "taken-by-run";
    case PlanOutcome::OverMaximum:
      return "over-maximum";
    case PlanOutcome::NotReached:
      return "not-reached";
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
    case LeftReason::NothingToConvert:
      return PlanOutcome::NothingToConvert;
    case LeftReason::Unconvertible:
      return PlanOutcome::Unconvertible;
    case LeftReason::MatchLimit:
      return PlanOutcome::MatchLimit;
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

void PlanCollector::Left(const LeftFile& file, bool asked) {
  m_plan.entries.push_back(
      {OutcomeOf(file.reason), std::string(file.path), std::string(file.newPath), asked, false});
}

void PlanCollector::Done(const DoneFile& file, bool asked) {
  m_plan.entries.push_back(
      {OutcomeOf(file, m_inPlace), std::string(file.path), std::string(file.newPath), asked, false});
}

void PlanCollector::TakenTimeMissing(std::string_view path) { m_takenTimesMissing.emplace(path); }

RunPlan PlanCollector::Finish(const std::vector<PlannedMove>& planned, const RunCounts& counts) {
  TellRunConflictsApart(m_plan.entries, planned);
  for (PlanEntry& entry : m_plan.entries) entry.modifiedStandsIn = m_takenTimesMissing.contains(entry.source);
  const std::vector<std::size_t> untold = UntoldFiles(m_plan.entries, planned);
  m_plan.entries.reserve(m_plan.entries.size() + untold.size());
  for (const std::size_t i : untold) {
    const PlannedMove& move = planned[i];
    const PlanOutcome outcome =
        counts.abortRequested || !move.to.empty() ? PlanOutcome::NotReached : PlanOutcome::OverMaximum;
    m_plan.entries.push_back({outcome, std::string(move.from), std::string(move.to), false,
                              m_takenTimesMissing.contains(std::string(move.from))});
  }
  m_plan.counts = counts;
  return std::move(m_plan);
}

namespace {

RunPlan MakePlan(ReadyRun run, const ProtectedExtensions& protectedExtensions, FileSystem& fileSystem,
                 const std::vector<std::string>& targets, PlanAnswers answers, const CodePage& codePage,
                 const PlanWatch* watch) {
  PlanningFileSystem planning(fileSystem, codePage);
  PlanCollector collector(run.RenamesInPlace());
  PlanRecorder recorder(collector, std::move(answers), watch);
  // The plan keeps no result lines.
  ResultLog log = ResultLog::Discarding();
  const std::unique_ptr<RunEngine> engine =
      MakeRunEngine(std::move(run), protectedExtensions, planning, log, recorder, codePage);
  std::vector<PlannedMove> planned;
  RunSteps steps;
  steps.afterCollect = [&] {
    planned = engine->PlanNames();
    if (watch != nullptr && watch->collected) watch->collected(planned.size());
  };
  DriveRun(*engine, log, targets, steps, LocalNow, codePage);
  RunPlan plan = collector.Finish(planned, engine->Counts());
  if (const auto* chainSafe = dynamic_cast<const ChainSafeRun*>(engine.get()))
    plan.leftAside = chainSafe->LeftAside();
  plan.leftUnchosen = recorder.leftUnchosen;
  return plan;
}

}  // namespace

RunPlan MakeRunPlan(ReadyRun run, const ProtectedExtensions& protectedExtensions, FileSystem& fileSystem,
                    const std::vector<std::string>& targets, OverwriteChoice answer, const CodePage& codePage,
                    const PlanWatch* watch) {
  return MakePlan(
      std::move(run), protectedExtensions, fileSystem, targets,
      [answer](const OverwriteQuestion&) {
        return PolicyAnswer{answer, true};
      },
      codePage, watch);
}

RunPlan MakeRunPlan(ReadyRun run, const ProtectedExtensions& protectedExtensions, FileSystem& fileSystem,
                    const std::vector<std::string>& targets, ConflictPolicy policy,
                    const CodePage& codePage) {
  return MakePlan(
      std::move(run), protectedExtensions, fileSystem, targets,
      [policy](const OverwriteQuestion& question) { return AnswerOf(policy, question); }, codePage, nullptr);
}

bool ChainsResolvable(const RunPlan& plan, const RunPlan& chainSafePlan) {
  return plan.CountOf(PlanOutcome::TakenByRun) != 0 && plan.CountOf(PlanOutcome::Taken) == 0 &&
         chainSafePlan.CountOf(PlanOutcome::TakenByRun) == 0 &&
         chainSafePlan.CountOf(PlanOutcome::Taken) == 0 && chainSafePlan.leftAside == 0;
}

}  // namespace morvane::core
