#include "core/pipeline/journaled_run.h"

#include "core/run/run_frame.h"

namespace morvane::core {

JournaledRun::JournaledRun(FileSystem& real, std::string_view programFolder, ReadyRun run,
                           const ProtectedExtensions& protectedExtensions, const LocalDateTime& now,
                           const CodePage& codePage)
    : m_run(std::move(run)),
      m_protectedExtensions(protectedExtensions),
      m_codePage(codePage),
      m_store(real, programFolder),
      m_journal(
          real, m_store.CreateNew(now), HeaderStartingNow(RunHeaderLine(m_run.mode, now, codePage)),
          [this] { m_store.Prune(); }, codePage),
      m_files(real, m_journal) {
  m_failure = m_journal.Failure();
}

JournaledRunEnd JournaledRun::Drive(ResultLog& log, RunInteraction& interaction,
                                    const std::vector<std::string>& targets, RunSteps steps) {
  log.SetFlushInterval(kJournaledFlushInterval);
  const bool copies = !m_run.RenamesInPlace();
  const std::unique_ptr<RunEngine> engine =
      MakeRunEngine(std::move(m_run), m_protectedExtensions, m_files, log, interaction, m_codePage);
  RunSteps journaled = std::move(steps);
  journaled.afterCollect = [&, afterCollect = std::move(journaled.afterCollect)] {
    m_files.Announce(engine->PlanNames(), copies);
    if (afterCollect) afterCollect();
  };
  JournaledRunEnd end;
  end.endMessage = DriveRun(*engine, log, targets, journaled, LocalNow, m_codePage);
  end.counts = engine->Counts();
  const bool changed = m_journal.RecordsChanges();
  if (m_journal.End() == 0 && changed) end.journalPath = m_journal.Path();
  return end;
}

}  // namespace morvane::core
