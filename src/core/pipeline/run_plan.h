#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "core/fs/file_system.h"
#include "core/names/protected_extensions.h"
#include "core/pipeline/ready_run.h"
#include "core/run/conflict_policy.h"
#include "core/run/planned_move.h"
#include "core/run/run_interaction.h"
#include "core/text/code_page.h"

namespace morvane::core {

// What the run will do with one file.
enum class PlanOutcome {
  Renamed,
  Copied,
  Overwritten,   // copied over another file, as the conflict answer says
  AlreadyNamed,  // its new name is its name
  Taken,         // its new name is another file's, and it is left (or, asked, would be)
  TakenByRun,    // the same, the other file being one of the run's own (a source, or a new name)
  Protected,
  Filtered,
  Missing,
  PathTooLong,
  TextNotFound,
  NothingToConvert,
  Unconvertible,
  MatchLimit,
  Failed,
  OverMaximum,  // the numbers ran out before its turn
  NotReached,   // the run was aborted before its turn
};
constexpr PlanOutcome kLastPlanOutcome = PlanOutcome::NotReached;

// The outcome's name for scripts and lists: "renamed", "already-named", ...
std::string_view OutcomeName(PlanOutcome outcome);
PlanOutcome OutcomeOf(LeftReason reason);
PlanOutcome OutcomeOf(const DoneFile& file, bool renamesInPlace);

struct PlanEntry {
  PlanOutcome outcome = PlanOutcome::Renamed;
  std::string source;
  std::string newPath;  // empty when the file has none (protected, missing, ...)
  bool asked = false;   // the run would ask about this file's conflict
  // Numbering by the date taken: the file records none, its modification time stood in.
  bool modifiedStandsIn = false;
};

// Every file the run will meet, in run order, with its outcome; and the run's counts.
struct RunPlan {
  std::vector<PlanEntry> entries;
  RunCounts counts;
  // Files a chain-safe run would leave under a temporary name (see ChainSafeMoves).
  std::size_t leftAside = 0;
  // Some conflict was skipped by nobody's choice (see ConflictPolicy).
  bool leftUnchosen = false;

  std::size_t CountOf(PlanOutcome outcome) const;
};

// Puts a plan together from what a run tells about each file, as it tells it.
class PlanCollector {
 public:
  explicit PlanCollector(bool renamesInPlace) : m_inPlace(renamesInPlace) {}

  void Left(const LeftFile& file, bool asked);
  void Done(const DoneFile& file, bool asked);
  // Once the run has ended: the conflicts with the run's own files told apart, and the
  // files it means to rename (planned: the engine's PlanNames) but never reached added,
  // in run order.
  RunPlan Finish(const std::vector<PlannedMove>& planned, const RunCounts& counts);
  void TakenTimeMissing(std::string_view path);

 private:
  RunPlan m_plan;
  bool m_inPlace;
  std::unordered_set<std::string> m_takenTimesMissing;
};

// How a plan made on another thread is followed from there.
struct PlanWatch {
  const std::atomic<bool>* stop = nullptr;  // set to give the plan up
  // Told how many files the run will meet, once it has collected them.
  std::function<void(std::size_t files)> collected;
  // Told while folders are listed, at every kListedStep-th entry, how many entries the
  // listings have met so far (MakeCheckedPlan): a run over that many is a large one, long
  // before the listing ends and its files are counted.
  std::function<void(std::size_t entries)> listed;
  static constexpr std::size_t kListedStep = 1024;

  bool StopRequested() const { return stop != nullptr && stop->load(std::memory_order_relaxed); }
};

// The plan of a run: the run itself, over a planning file system on top of fileSystem,
// so that each file meets the run's earlier steps as it will; nothing on disk changes.
// A conflict the run would ask about takes answer (Skip when it would be asked: the
// entry is marked asked). Once the watch (when given) asks to stop, the run stops as if
// aborted.
RunPlan MakeRunPlan(ReadyRun run, const ProtectedExtensions& protectedExtensions, FileSystem& fileSystem,
                    const std::vector<std::string>& targets, OverwriteChoice answer = OverwriteChoice::Skip,
                    const CodePage& codePage = ActiveCodePage(), const PlanWatch* watch = nullptr);

// The same, each conflict answered as policy says (Ask: skipped, by nobody's choice).
RunPlan MakeRunPlan(ReadyRun run, const ProtectedExtensions& protectedExtensions, FileSystem& fileSystem,
                    const std::vector<std::string>& targets, ConflictPolicy policy,
                    const CodePage& codePage = ActiveCodePage());

// True when the run in place can rename every file it would otherwise leave for a taken
// name by moving in a safe order: every conflict of plan is with one of the run's own
// files, and the chain-safe plan of the same run has none and leaves nothing aside.
bool ChainsResolvable(const RunPlan& plan, const RunPlan& chainSafePlan);

}  // namespace morvane::core
