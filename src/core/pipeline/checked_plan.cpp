#include "core/pipeline/checked_plan.h"

#include <utility>

#include "core/fs/forwarding_file_system.h"
#include "core/fs/planning_file_system.h"

namespace morvane::core {
namespace {

class GoAheadAnswers : public StartAnswers {
 public:
  bool Ask(const StartQuestion&) override { return true; }
};

void ThrowIfStopped(const PlanWatch* watch) {
  if (watch != nullptr && watch->StopRequested()) throw PlanStopped();
}

// The disk's answers to a plan that may be asked to stop: the plan's longest work before
// its files are collected is the listing of a large folder, and it ends at its next entry.
// The entries listed are told as they grow (PlanWatch::listed).
class StoppableReads : public ForwardingFileSystem {
 public:
  StoppableReads(FileSystem& real, const PlanWatch* watch) : ForwardingFileSystem(real), m_watch(watch) {}

  std::optional<FileInfo> Stat(std::string_view path) const override {
    ThrowIfStopped(m_watch);
    return ForwardingFileSystem::Stat(path);
  }
  void VisitFolder(std::string_view folder, std::string_view pattern,
                   const std::function<void(const DirectoryEntry&)>& visit) const override {
    ForwardingFileSystem::VisitFolder(folder, pattern, [&](const DirectoryEntry& entry) {
      ThrowIfStopped(m_watch);
      if (++m_listed % PlanWatch::kListedStep == 0 && m_watch != nullptr && m_watch->listed)
        m_watch->listed(m_listed);
      visit(entry);
    });
  }

 private:
  const PlanWatch* m_watch;
  mutable std::size_t m_listed = 0;
};

}  // namespace

CheckedPlan MakeCheckedPlan(const StartRequest& request, bool resolveChains,
                            const ProtectedExtensions& protectedExtensions, FileSystem& fileSystem,
                            const PlanWatch* watch) {
  StoppableReads reads(fileSystem, watch);
  // Everything the checks would change (a missing output folder) is only recorded.
  PlanningFileSystem planning(reads);
  GoAheadAnswers answers;
  StartDecision decision = CheckStart(request, planning, answers);
  CheckedPlan made;
  if (!decision.Ready()) {
    made.refusal = std::move(decision.refusal->message);
    return made;
  }
  ReadyRun run = std::move(*decision.run);
  run.resolveChains = resolveChains;
  // Each plan records its own steps; the checks' layer is needed under them only when
  // the checks recorded a change, and otherwise would only remember every listing twice.
  FileSystem& checked = planning.Changed() ? static_cast<FileSystem&>(planning) : reads;
  made.plan = MakeRunPlan(run, protectedExtensions, checked, request.targets, OverwriteChoice::Skip,
                          ActiveCodePage(), watch);
  // A second plan only when every conflict is with the run's own files: the chain-safe
  // run can help no other.
  if (!resolveChains && made.plan.CountOf(PlanOutcome::TakenByRun) != 0 &&
      made.plan.CountOf(PlanOutcome::Taken) == 0) {
    run.resolveChains = true;
    made.chainsOffered =
        ChainsResolvable(made.plan, MakeRunPlan(std::move(run), protectedExtensions, checked, request.targets,
                                                OverwriteChoice::Skip, ActiveCodePage(), watch));
  }
  // A plan stopped among its files ends as an aborted run would: it must not pass for whole.
  ThrowIfStopped(watch);
  return made;
}

}  // namespace morvane::core
