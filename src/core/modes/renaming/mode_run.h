#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/fs/file_system.h"
#include "core/log/result_log.h"
#include "core/modes/renaming/mode_names.h"
#include "core/modes/renaming/mode_texts.h"
#include "core/modes/renaming/name_pattern.h"
#include "core/modes/template_parts.h"
#include "core/run/run_counters.h"
#include "core/run/run_engine.h"
#include "core/run/run_file_rules.h"
#include "core/run/run_file_set.h"
#include "core/run/run_interaction.h"
#include "core/run/waiting_sources.h"
#include "core/text/byte_arena.h"
#include "core/text/code_page.h"

namespace morvane::core {

// What a run of the extension change, case conversion, string replacement, string
// addition or character conversion needs: a snapshot of the fields taken when it starts.
struct ModeRunInputs : RunFileRules {
  OperatingMode mode = OperatingMode::ExtensionChange;  // never SequentialRename
  // Strings A and B, the case-sensitivity of A, the replaced extension and both cases.
  // The extension change takes its new extension from newExtensionText whatever
  // changeExtension says; the case conversion reads only the two cases.
  NameEditSettings names;
  // The replacement's regular expression, when string A is one (names.stringA is then
  // its text).
  std::optional<NamePattern> pattern;
  // The character conversion's choices, and whether it converts the extension too.
  CharacterConversion conversion;
  bool convertExtension = false;
  // The new names of a listed run, by the whole old path.
  std::unordered_map<std::string, std::string> listedNames;
  bool renameInPlace = true;  // as asked; the engine renames in place when RenamesInPlace says so
  std::string outputFolder;   // the copy destination, without a trailing separator
};

// The counters of a run.
using ModeRunState = RunCounters;

// One run of the five further modes: the target list expanded into the run file set,
// then one rename or copy per member with its log lines, a summary and the end text.
//
// Renames never replace another file. When copying, an overwrite goes through a
// temporary file and is never offered for a file that is itself a member still
// waiting; the case conversion never copies and never asks. The caller ends the
// progress bar and restores the caption afterwards, as for the sequential run.
class ModeRun : public RunEngine {
 public:
  ModeRun(ModeRunInputs inputs, FileSystem& fileSystem, ResultLog& log, RunInteraction& interaction,
          const CodePage& codePage = ActiveCodePage());

  OperatingMode Mode() const override { return m_inputs.mode; }
  // The extension change and the case conversion expand the list before the header, so
  // that the lines about missing targets precede it and stay out of the new result
  // file; the other two after it.
  bool CollectsBeforeHeader() const override {
    return m_inputs.mode == OperatingMode::ExtensionChange || m_inputs.mode == OperatingMode::CaseConversion;
  }
  // Shows the collecting caption, resets the failure count and expands the list.
  void Collect(const std::vector<std::string>& targetList) override;
  // Fills the run file set: a folder stands for the files directly inside it that pass
  // the filter, one listing per filter word; another entry is collected as it is.
  void ExpandTargetsToRunFileSet(const std::vector<std::string>& targetList);
  // Admits one path: an existing file that passes the filter joins the set, another is
  // dropped silently; a path that is missing or a folder is logged and counted.
  void CollectRunFile(std::string_view path, const std::optional<FileInfo>& info);

  // Processes every member in order, until the set ends or the person aborts. The set
  // stays until the next Collect, for the plan points into it.
  void Execute() override;
  // Writes the summary lines.
  void WriteSummary() override;
  // The text of the end message.
  std::string EndMessage() const override;

  // Source and destination of every member the run would rename or copy, if nothing
  // were in the way (a dry run); no file is touched.
  // The checks of each file are logged as the run would log them.
  const std::vector<PlannedMove>& PlanNames() override;
  RunCounts Counts() const override {
    return {m_state.successCount, m_state.failureCount, m_state.abortRequested};
  }

  const ModeRunState& State() const { return m_state; }
  const RunFileSet& Files() const { return m_files; }

 private:
  // Per-file steps (mode_run_steps.cpp).
  void ProcessFile(const std::string& path);
  // The new name of a file (without its folder), or why it is not to be touched for what
  // its path says: filtered out, protected, replacing, without string A or a match in
  // its base name, converting, with nothing to convert, or a name that cannot be
  // changed. Asks the disk nothing but the times an addition's tokens want.
  // (mode_run_names.cpp)
  struct NameDecision {
    std::optional<LeftReason> leave;
    std::string newName;
  };
  NameDecision DecideName(const std::string& path) const;
  // Logs and counts a file left at its turn.
  void Leave(const std::string& path, LeftReason reason);
  // After a step that failed: when the source is gone, logs it as missing at its turn
  // and gives true. A missing file is found this way, by the step itself, so that a
  // file that is there costs no extra look.
  bool LeftAsMissing(const std::string& source);
  // The new path of the file in turn: the one PlanNames made, else made now; empty when
  // its path says it is to be left.
  std::string DestinationAt(const std::string& path);
  void ChangeExtension(const std::string& source, const std::string& destination);
  void ConvertCase(const std::string& source, const std::string& destination);
  void EditName(const std::string& source, const std::string& destination);
  // A destination that exists and differs from the source: asks or applies the
  // remembered answer; copies over it when told to.
  void ResolveConflict(const std::string& source, const std::string& destination, bool overwriteOffered);

  std::string DestinationOf(const std::string& source, const std::string& newName) const;
  FsResult MoveOrCopy(const std::string& source, const std::string& destination);
  bool IsTaken(const FsResult& result, const std::string& destination) const;

  // The success lines name the new file alone when renaming in place, the whole new
  // path when copying.
  void LogSuccess(const std::string& source, const std::string& destination, bool replaced = false);
  // Also tells the interaction why the file is left (a rename onto a taken name fails
  // with the name taken), with the whole destination; the line shows only its name when
  // lineShowsName.
  void LogFailure(std::string_view sourceLabel, const std::string& source, const std::string& destination,
                  LeftReason reason = LeftReason::Failed, bool lineShowsName = false);
  std::string SummaryLine() const;
  std::string FailureLine() const;

  ModeRunInputs m_inputs;
  FileSystem& m_fileSystem;
  ResultLog& m_log;
  RunInteraction& m_interaction;
  const CodePage& m_codePage;
  ModeTexts m_texts;
  // The addition's A and B, when they hold tokens.
  TemplateParts m_additions;
  RunFileSet m_files;
  WaitingSources m_waitingSources;
  // What PlanNames made, in run order (without the files left), so that the run takes
  // each new path from it rather than make it again; m_planCursor: the next one.
  std::vector<PlannedMove> m_plan;
  ByteArena m_newPaths;  // the plan's new paths
  bool m_planMade = false;
  std::size_t m_planCursor = 0;
  ModeRunState m_state;
};

}  // namespace morvane::core
