#include "core/modes/numbering/sequence_run.h"

#include "core/fs/folder_files.h"
#include "core/modes/numbering/sequence_name.h"
#include "core/modes/numbering/sort_key.h"
#include "core/names/path_rules.h"
#include "core/run/copy_target.h"
#include "core/run/missing_target.h"
#include "core/run/overwrite_decision.h"
#include "core/text/visible_name.h"

namespace morvane::core {
namespace {

constexpr std::string_view kArrow = "       -> ";

}  // namespace

SequenceRun::SequenceRun(SequenceRunInputs inputs, FileSystem& fileSystem, ResultLog& log,
                         RunInteraction& interaction, const CodePage& codePage)
    : m_inputs(std::move(inputs)),
      m_fileSystem(fileSystem),
      m_log(log),
      m_interaction(interaction),
      m_codePage(codePage),
      m_texts(codePage),
      m_queue(codePage, m_inputs.settings.descending),
      m_parts(m_inputs.settings.frontPart, m_inputs.settings.backPart, codePage) {}

void SequenceRun::Collect(const std::vector<std::string>& targetList) {
  m_interaction.SetCaption(m_texts.collectingCaption);
  m_state.failureCount = 0;
  m_userOrderCounter = 0;
  m_queue.Clear();
  m_planMade = false;
  for (const std::string& target : targetList) {
    const std::optional<FileInfo> info = m_fileSystem.Stat(target);
    if (info && info->isFolder) {
      ExpandFolderTargets(target);
    } else {
      CollectTarget(target, info);
    }
  }
  m_state.numbers = ComputeNumberLimits(m_inputs.settings.startText);
}

void SequenceRun::CollectTarget(std::string_view path, const std::optional<FileInfo>& info) {
  if (!info || info->isFolder) {
    const LeftReason reason = LogMissingTarget(m_log, m_texts, m_fileSystem, path, m_codePage);
    ++m_state.failureCount;
    m_interaction.FileLeft({reason, path, {}});
    return;
  }
  const std::string extension = ExtractFileExt(path, PathSyntax::Posix, m_codePage);
  if (!m_inputs.filter.AdmitsExtension(extension)) {
    LogSkipped(m_texts.filteredBefore + m_inputs.filterText + m_texts.filteredAfter, path);
    m_interaction.FileLeft({LeftReason::Filtered, path, {}});
    return;
  }
  if (IsProtectedExtension(m_inputs.protectedExtensions, extension)) {
    LogSkipped(m_texts.protectedExtension, path);
    m_interaction.FileLeft({LeftReason::Protected, path, {}});
    return;
  }
  std::optional<FileTime> taken;
  if (m_inputs.settings.sortType == SortType::Taken) {
    taken = m_fileSystem.TakenTime(path);
    if (!taken) m_interaction.TakenTimeMissing(path);
  }
  m_queue.Add(MakeSortKey(path, *info, m_inputs.settings.sortType, m_userOrderCounter, PathSyntax::Posix,
                          m_codePage, taken),
              path, FileIdentity::Of(*info));
}

void SequenceRun::ExpandFolderTargets(std::string_view folder) {
  std::string base(folder);
  if (EndsWithSeparator(base, PathSyntax::Posix, m_codePage)) base.pop_back();
  for (const std::string& word : m_inputs.filter.Words()) {
    VisitFolderFilesOfType(m_fileSystem, base, word, m_codePage,
                           [&](std::string_view path, const FileInfo& info) { CollectTarget(path, info); });
  }
}

void SequenceRun::Execute() {
  const std::vector<PlannedMove>& entries = m_queue.Entries();
  m_interaction.ProgressBegin(entries.size());
  m_state.successCount = 0;
  m_state.abortRequested = false;
  m_state.numberExceeded = false;
  m_state.overwriteChoice = OverwriteChoice::None;
  m_waitingSources.Clear();
  m_waitingSources.AddInRunOrder(entries.size(),
                                 [&entries](std::size_t i) { return entries[i].identity.Id(); });

  const std::size_t count = entries.size();
  for (std::size_t step = 0; step < count; ++step) {
    const PlannedMove& entry = entries[step];
    if (m_interaction.StopRequested()) {
      m_state.abortRequested = true;
    } else {
      m_waitingSources.Leave(entry.identity.Id());
      ProcessTarget(entry, step);
    }
    if (m_state.abortRequested) {
      m_log.Append(m_texts.aborted);
      break;
    }
    if (m_state.numbers.currentNumber > m_state.numbers.maxNumber) {
      m_state.numberExceeded = true;
      const std::string text = m_texts.exceeded + std::to_string(m_state.numbers.currentNumber) +
                               m_texts.maximum + std::to_string(m_state.numbers.maxNumber);
      m_log.FlushNow();
      m_interaction.ShowInformation(text);
      m_log.Append(text);
      break;
    }
  }
  m_log.Flush();
  m_waitingSources.Clear();
}

std::string SequenceRun::NewPathAt(const PlannedMove& entry, std::size_t step) {
  if (!entry.to.empty() && m_state.numbers.currentNumber ==
                               m_planStart + static_cast<std::int64_t>(step) * m_inputs.settings.increment) {
    return std::string(entry.to);
  }
  return PathNumbered(entry.from, m_state.numbers.currentNumber, m_state.numbers.numberWidth);
}

std::string SequenceRun::PathNumbered(std::string_view source, std::int64_t number, int width) {
  if (!m_parts.HasTokens()) {
    return BuildNewPath(source, number, width, m_inputs.settings, PathSyntax::Posix, m_codePage);
  }
  const TemplateParts::Texts parts = m_parts.For(source, m_fileSystem, m_interaction);
  return BuildNewPath(source, number, width, m_inputs.settings, {parts.first, parts.second},
                      PathSyntax::Posix, m_codePage);
}

void SequenceRun::ProcessTarget(const PlannedMove& entry, std::size_t step) {
  // Every line about the files already done reaches the disk before this one is touched.
  m_log.Flush();
  m_interaction.ProgressStep();
  const std::string_view source = entry.from;
  const RunSettings& settings = m_inputs.settings;
  std::string newPath = NewPathAt(entry, step);

  // Only a byte-equal name counts as done; a change of letter case is carried out.
  if (settings.renameInPlace && newPath == source) {
    RecordNormalStep(true, source, newPath);
    return;
  }

  // The rename or copy itself reports a taken name, so a free name costs no extra look.
  const FsResult result = MoveToNewPath(source, newPath);
  const bool taken = (result.status == FsStatus::AlreadyExists || result.status == FsStatus::SameFile) &&
                     m_fileSystem.FileExists(newPath);
  if (taken) {
    ResolveConflict(source, std::move(newPath));
  } else {
    RecordNormalStep(result.Ok(), source, newPath);
  }
}

void SequenceRun::ResolveConflict(std::string_view source, std::string newPath) {
  const RunSettings& settings = m_inputs.settings;
  const bool overwriteOffered = !settings.renameInPlace && !m_waitingSources.Holds(m_fileSystem, newPath);
  const OverwriteChoice choice = DecideOverwrite(
      m_state.overwriteChoice, m_interaction, {newPath, source, CallerKind::SequentialRun, overwriteOffered});

  switch (choice) {
    case OverwriteChoice::Overwrite:
    case OverwriteChoice::OverwriteAll:
      if (CopyTargetFile(m_fileSystem, source, newPath)) {
        LogSuccess(source, newPath, true);
        ++m_state.successCount;
      } else {
        LogFailure(source, newPath);
        ++m_state.failureCount;
      }
      AdvanceNumber();
      return;
    case OverwriteChoice::Auto: {
      // The search steps by at least one, so an increment of 0 cannot make it endless.
      const int step = settings.increment > 0 ? settings.increment : 1;
      do {
        m_state.numbers.currentNumber += step;
        if (m_state.numbers.currentNumber > m_state.numbers.maxNumber) return;
        newPath = PathNumbered(source, m_state.numbers.currentNumber, m_state.numbers.numberWidth);
      } while (m_fileSystem.Stat(newPath).has_value());
      RecordNormalStep(MoveToNewPath(source, newPath).Ok(), source, newPath);
      return;
    }
    case OverwriteChoice::None:
    case OverwriteChoice::Skip:
      m_interaction.FileLeft({LeftReason::NameTaken, source, newPath});
      AdvanceNumber();
      return;
    case OverwriteChoice::Abort:
      m_state.abortRequested = true;
      return;
  }
}

FsResult SequenceRun::MoveToNewPath(std::string_view source, const std::string& newPath) {
  return m_inputs.settings.renameInPlace ? m_fileSystem.Rename(source, newPath)
                                         : m_fileSystem.CopyFile(source, newPath, false);
}

void SequenceRun::RecordNormalStep(bool succeeded, std::string_view source, const std::string& newPath) {
  if (succeeded) {
    LogSuccess(source, newPath);
    ++m_state.successCount;
    AdvanceNumber();
  } else {
    // The number stays, so the next file takes it.
    LogFailure(source, newPath);
    ++m_state.failureCount;
  }
}

// Names go into the lines and the caption in their visible form, so that none can end a
// line or forge another; the files keep their real bytes.
void SequenceRun::LogSuccess(std::string_view source, const std::string& newPath, bool replaced) {
  const bool showsCaption = m_interaction.ShowsCaption();
  if (showsCaption || m_log.KeepsLines()) {
    const std::string newName = ExtractFileName(newPath, PathSyntax::Posix, m_codePage);
    if (showsCaption) {
      const std::string sourceName =
          VisibleName(ExtractFileName(source, PathSyntax::Posix, m_codePage), m_codePage);
      m_interaction.SetCaption(m_texts.renamingCaption + sourceName + " -> " +
                               VisibleName(newName, m_codePage));
    }
    m_log.Append(m_texts.renamed + VisibleName(source, m_codePage));
    m_log.Append(std::string(kArrow) +
                 VisibleName(m_inputs.settings.renameInPlace ? newName : newPath, m_codePage));
  }
  m_interaction.FileDone({source, newPath, replaced});
}

void SequenceRun::LogFailure(std::string_view source, std::string_view newPath) {
  m_log.Append(m_texts.failed);
  m_log.Append(m_texts.failedSource + VisibleName(source, m_codePage));
  m_log.Append(m_texts.failedTarget + VisibleName(newPath, m_codePage));
  m_interaction.FileLeft({LeftReason::Failed, source, newPath});
}

void SequenceRun::LogSkipped(std::string_view reason, std::string_view path) {
  m_log.Append(reason);
  m_log.Append(VisibleName(path, m_codePage));
}

void SequenceRun::WriteSummary() {
  const std::string failures =
      m_texts.failureCount + std::to_string(m_state.failureCount) + m_texts.countUnit;
  if (m_state.successCount != 0) {
    m_log.Append(m_texts.completed);
    m_log.Append("");
    m_log.Append(std::to_string(m_state.successCount) + m_texts.renamedCount);
  } else {
    m_log.Append(m_texts.nothingDone);
    m_log.Append("");
  }
  m_log.Append(failures);
  m_log.Append("");
  m_log.Flush();
}

std::string SequenceRun::EndMessage() const {
  const std::string failures =
      m_texts.failureCount + std::to_string(m_state.failureCount) + m_texts.countUnit;
  if (m_state.successCount != 0) {
    return m_texts.completed + "\r\n" + std::to_string(m_state.successCount) + m_texts.renamedCount + "\r\n" +
           failures;
  }
  return m_texts.nothingDone + "\r\n" + failures;
}

const std::vector<PlannedMove>& SequenceRun::PlanNames() {
  std::vector<PlannedMove>& entries = m_queue.Entries();
  if (m_planMade) return entries;
  ByteArena& newPaths = m_queue.NewPaths();
  NumberLimits numbers = m_state.numbers;
  m_planStart = numbers.currentNumber;
  for (PlannedMove& entry : entries) {
    // Past the maximum number the run moves nothing: to stays empty.
    if (numbers.currentNumber > numbers.maxNumber) break;
    entry.to = newPaths.Add(PathNumbered(entry.from, numbers.currentNumber, numbers.numberWidth));
    numbers.currentNumber += m_inputs.settings.increment;
  }
  m_planMade = true;
  return entries;
}

}  // namespace morvane::core
