#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/fs/file_system.h"
#include "core/log/result_log.h"
#include "core/modes/numbering/number_limits.h"
#include "core/modes/numbering/sequence_texts.h"
#include "core/modes/numbering/target_queue.h"
#include "core/modes/template_parts.h"
#include "core/run/run_counters.h"
#include "core/run/run_engine.h"
#include "core/run/run_file_rules.h"
#include "core/run/run_interaction.h"
#include "core/run/run_settings.h"
#include "core/run/waiting_sources.h"
#include "core/text/code_page.h"

namespace morvane::core {

// What a sequential run needs besides its settings.
struct SequenceRunInputs : RunFileRules {
  SequenceRunInputs(RunSettings runSettings, ExtensionFilter typesFilter, std::string typesText,
                    ProtectedExtensions protectedTypes)
      : RunFileRules{std::move(typesFilter), std::move(typesText), std::move(protectedTypes)},
        settings(std::move(runSettings)) {}

  RunSettings settings;
};

// The counters and the running number of a run.
struct SequenceRunState : RunCounters {
  NumberLimits numbers;
  bool numberExceeded = false;  // the loop ended because the number passed the maximum
};

// One sequential rename run: collection and ordering of the targets, then one rename or
// copy per target with its log lines. DriveRun writes the run's header before Collect
// and its footer after WriteSummary, and lets the front end work between the steps
// (the window saves histories and clears its list after Execute).
//
// Renames never replace another file; an overwrite is a copy through a temporary file
// and is never offered for a file that is itself a source still waiting in this run.
class SequenceRun : public RunEngine {
 public:
  SequenceRun(SequenceRunInputs inputs, FileSystem& fileSystem, ResultLog& log, RunInteraction& interaction,
              const CodePage& codePage = ActiveCodePage());

  // Shows the collecting caption, resets the failure count and adds every entry of the
  // target list to the queue: a folder stands for the files directly inside it that
  // match the filter; missing, filtered and protected files are logged instead. Then
  // fixes the number limits from the start number.
  void Collect(const std::vector<std::string>& targetList) override;

  // Admits one file; info is what the file system reports for it (nothing: missing).
  void CollectTarget(std::string_view path, const std::optional<FileInfo>& info);
  // Admits the files directly inside folder that match the filter, one listing per
  // filter word; subfolders are not entered.
  void ExpandFolderTargets(std::string_view folder);

  // Numbers every queued file in order (reversed when descending), until the list ends,
  // the person aborts, or the number passes the maximum. The queue stays until the next
  // Collect, for the plan points into it.
  void Execute() override;

  // Writes the summary lines.
  void WriteSummary() override;

  // The text of the end message.
  std::string EndMessage() const override;

  // Source and new path of every queued file as the run would number them if nothing
  // were in the way (a dry run); no file is touched.
  const std::vector<PlannedMove>& PlanNames() override;

  OperatingMode Mode() const override { return OperatingMode::SequentialRename; }
  RunCounts Counts() const override {
    return {m_state.successCount, m_state.failureCount, m_state.abortRequested};
  }

  const SequenceRunState& State() const { return m_state; }
  const TargetQueue& Queue() const { return m_queue; }

 private:
  void ProcessTarget(const PlannedMove& entry, std::size_t step);
  // The new path of the file at step with the current number: the one PlanNames made
  // for it when the number is still the planned one, else built.
  std::string NewPathAt(const PlannedMove& entry, std::size_t step);
  // The new path of source for a number, its front and back parts made from its own
  // name and times when they hold tokens.
  std::string PathNumbered(std::string_view source, std::int64_t number, int width);
  // The file at newPath exists: asks or applies the remembered answer.
  void ResolveConflict(std::string_view source, std::string newPath);
  // Renames or copies without replacing anything.
  FsResult MoveToNewPath(std::string_view source, const std::string& newPath);
  // Logs and counts a rename or copy that met no conflict.
  void RecordNormalStep(bool succeeded, std::string_view source, const std::string& newPath);
  void AdvanceNumber() { m_state.numbers.currentNumber += m_inputs.settings.increment; }

  void LogSuccess(std::string_view source, const std::string& newPath, bool replaced = false);
  void LogFailure(std::string_view source, std::string_view newPath);
  void LogSkipped(std::string_view reason, std::string_view path);

  SequenceRunInputs m_inputs;
  FileSystem& m_fileSystem;
  ResultLog& m_log;
  RunInteraction& m_interaction;
  const CodePage& m_codePage;
  SequenceTexts m_texts;
  TargetQueue m_queue;
  TemplateParts m_parts;
  std::size_t m_userOrderCounter = 0;
  SequenceRunState m_state;
  WaitingSources m_waitingSources;
  // Whether PlanNames wrote each queued file's new path, and the number of its first
  // step: the run takes each path from the queue rather than build it again, as long as
  // its number is the planned one.
  bool m_planMade = false;
  std::int64_t m_planStart = 0;
};

}  // namespace morvane::core
