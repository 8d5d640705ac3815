// The per-file steps of the five further modes.
#include "core/modes/renaming/canonical_find.h"
#include "core/modes/renaming/mode_run.h"
#include "core/names/case_option.h"
#include "core/names/path_rules.h"
#include "core/run/copy_target.h"
#include "core/run/overwrite_decision.h"
#include "core/text/case_conversion.h"
#include "core/text/visible_name.h"

namespace morvane::core {

void ModeRun::ProcessFile(const std::string& path) {
  // Every line about the files already done reaches the disk before this one is touched.
  m_log.Flush();
  m_interaction.ProgressStep();
  const std::string destination = DestinationAt(path);
  if (destination.empty()) {
    const LeftReason reason = DecideName(path).leave.value_or(LeftReason::Filtered);
    // A file that is gone is told as missing, whatever its name says.
    Leave(path, m_fileSystem.FileExists(path) ? reason : LeftReason::Missing);
    return;
  }
  switch (m_inputs.mode) {
    case OperatingMode::ExtensionChange:
      ChangeExtension(path, destination);
      return;
    case OperatingMode::CaseConversion:
      ConvertCase(path, destination);
      return;
    case OperatingMode::StringReplacement:
    case OperatingMode::StringAddition:
    case OperatingMode::CharacterConversion:
    case OperatingMode::ListedNames:
      EditName(path, destination);
      return;
    case OperatingMode::SequentialRename:
      return;
  }
}

std::string ModeRun::DestinationAt(const std::string& path) {
  if (m_planMade) {
    // The plan holds the files in run order, less those their paths leave.
    if (m_planCursor < m_plan.size() && m_plan[m_planCursor].from == path)
      return std::string(m_plan[m_planCursor++].to);
    return {};
  }
  NameDecision decision = DecideName(path);
  if (decision.leave) return {};
  return DestinationOf(path, decision.newName);
}

void ModeRun::Leave(const std::string& path, LeftReason reason) {
  if (reason == LeftReason::Missing) {
    if (m_inputs.mode == OperatingMode::ExtensionChange) {
      m_log.Append(m_texts.missingAtTurn);
      m_log.Append(VisibleName(path, m_codePage));
    } else {
      m_log.Append(m_texts.missing);
      m_log.Append(m_texts.missingPath + VisibleName(path, m_codePage));
    }
    ++m_state.failureCount;
  } else {
    if (reason == LeftReason::Filtered) {
      m_log.Append(m_texts.filteredBefore + m_inputs.filterText + m_texts.filteredAfter);
    } else if (reason == LeftReason::Protected) {
      m_log.Append(m_texts.protectedExtension);
    } else if (reason == LeftReason::NothingToConvert) {
      m_log.Append(m_texts.nothingToConvert);
    } else if (reason == LeftReason::Unconvertible) {
      // The run was asked to change this name and could not: a failure.
      m_log.Append(m_texts.unconvertible);
      ++m_state.failureCount;
    } else if (reason == LeftReason::MatchLimit) {
      m_log.Append(m_texts.matchLimit);
      ++m_state.failureCount;
    } else {
      m_log.Append(m_texts.stringANotFound);
    }
    m_log.Append(VisibleName(path, m_codePage));
  }
  m_interaction.FileLeft({reason, path, {}});
}

bool ModeRun::LeftAsMissing(const std::string& source) {
  if (m_fileSystem.FileExists(source)) return false;
  Leave(source, LeftReason::Missing);
  return true;
}

std::string ModeRun::DestinationOf(const std::string& source, const std::string& newName) const {
  const std::string folder =
      m_inputs.renameInPlace ? FolderPart(source, PathSyntax::Posix, m_codePage) : m_inputs.outputFolder;
  return JoinPath(folder, newName, PathSyntax::Posix, m_codePage);
}

FsResult ModeRun::MoveOrCopy(const std::string& source, const std::string& destination) {
  // Neither replaces anything: a taken name comes back as a conflict to decide.
  return m_inputs.renameInPlace ? m_fileSystem.Rename(source, destination)
                                : m_fileSystem.CopyFile(source, destination, false);
}

bool ModeRun::IsTaken(const FsResult& result, const std::string& destination) const {
  // A folder in the way is no file of the same name: the step simply fails.
  return (result.status == FsStatus::AlreadyExists || result.status == FsStatus::SameFile) &&
         m_fileSystem.FileExists(destination);
}

void ModeRun::ChangeExtension(const std::string& source, const std::string& destination) {
  m_interaction.SetCaption(m_texts.workingCaption);
  const std::string newName = ExtractFileName(destination, PathSyntax::Posix, m_codePage);
  const FsResult result = MoveOrCopy(source, destination);
  if (result.Ok()) {
    LogSuccess(source, destination);
    return;
  }
  if (LeftAsMissing(source)) return;
  if (!IsTaken(result, destination)) {
    LogFailure(m_texts.failedSourceSpaced, source, destination, LeftReason::Failed, m_inputs.renameInPlace);
  } else if (m_inputs.renameInPlace) {
    // Another file has the name: renaming in place never asks, it reports.
    m_log.Append(m_texts.sameFolder);
    m_log.Append(m_texts.failedSource + VisibleName(source, m_codePage));
    m_log.Append(m_texts.failedTarget + VisibleName(newName, m_codePage));
    ++m_state.failureCount;
    m_interaction.FileLeft({LeftReason::NameTaken, source, destination});
  } else if (result.status == FsStatus::SameFile && EqualsNoCase(destination, source, m_codePage)) {
    // A copy of the file onto itself under its own name is no conflict to ask about; it
    // simply fails. Another file whose name differs only in case is a conflict.
    LogFailure(m_texts.failedSourceSpaced, source, destination);
  } else {
    ResolveConflict(source, destination, !m_waitingSources.Holds(m_fileSystem, destination));
  }
}

void ModeRun::ConvertCase(const std::string& source, const std::string& destination) {
  m_interaction.SetCaption(m_texts.workingCaption);
  // The rename alone decides: it never replaces another file, so a name taken by a
  // different file (on a file system that tells case apart) is a failure.
  const FsResult result = m_fileSystem.Rename(source, destination);
  if (result.Ok()) {
    LogSuccess(source, destination);
  } else if (!LeftAsMissing(source)) {
    LogFailure(m_texts.failedSource, source, destination,
               IsTaken(result, destination) ? LeftReason::NameTaken : LeftReason::Failed, true);
  }
}

void ModeRun::EditName(const std::string& source, const std::string& destination) {
  // Only a byte-equal name counts as done without a rename; a change of letter case is
  // carried out.
  if (m_inputs.renameInPlace && destination == source) {
    if (!LeftAsMissing(source)) LogSuccess(source, destination);
    return;
  }
  const FsResult result = MoveOrCopy(source, destination);
  if (result.Ok()) {
    LogSuccess(source, destination);
    return;
  }
  if (LeftAsMissing(source)) return;
  if (IsTaken(result, destination)) {
    ResolveConflict(source, destination,
                    !m_inputs.renameInPlace && !m_waitingSources.Holds(m_fileSystem, destination));
  } else {
    LogFailure(m_texts.failedSource, source, destination);
  }
}

void ModeRun::ResolveConflict(const std::string& source, const std::string& destination,
                              bool overwriteOffered) {
  const OverwriteChoice choice = DecideOverwrite(
      m_state.overwriteChoice, m_interaction, {destination, source, CallerKind::OtherMode, overwriteOffered});
  switch (choice) {
    case OverwriteChoice::Overwrite:
    case OverwriteChoice::OverwriteAll:
      if (CopyTargetFile(m_fileSystem, source, destination)) {
        LogSuccess(source, destination, true);
      } else {
        LogFailure(m_texts.failedSource, source, destination);
      }
      return;
    case OverwriteChoice::Abort:
      m_state.abortRequested = true;
      return;
    case OverwriteChoice::None:
    case OverwriteChoice::Auto:  // never offered here
    case OverwriteChoice::Skip:
      m_interaction.FileLeft({LeftReason::NameTaken, source, destination});
      return;
  }
}

void ModeRun::LogSuccess(const std::string& source, const std::string& destination, bool replaced) {
  const bool showsCaption = m_interaction.ShowsCaption();
  if (showsCaption || m_log.KeepsLines()) {
    const std::string newName = ExtractFileName(destination, PathSyntax::Posix, m_codePage);
    // Names go into the lines and the caption in their visible form, so that none can
    // end a line or forge another; the files keep their real bytes.
    if (showsCaption) {
      std::string sourceName = ExtractFileName(source, PathSyntax::Posix, m_codePage);
      // The extension change shows the old name in the new name's case.
      if (m_inputs.mode == OperatingMode::ExtensionChange) {
        sourceName = ApplyCaseOption(sourceName, m_inputs.names.nameCase, m_codePage);
      }
      m_interaction.SetCaption(m_texts.workingCaption + VisibleName(sourceName, m_codePage) +
                               m_texts.captionArrow + VisibleName(newName, m_codePage));
    }
    m_log.Append(m_texts.done + VisibleName(source, m_codePage));
    m_log.Append(m_texts.arrow + VisibleName(m_inputs.renameInPlace ? newName : destination, m_codePage));
  }
  ++m_state.successCount;
  m_interaction.FileDone({source, destination, replaced});
}

void ModeRun::LogFailure(std::string_view sourceLabel, const std::string& source,
                         const std::string& destination, LeftReason reason, bool lineShowsName) {
  m_log.Append(m_texts.failed);
  m_log.Append(std::string(sourceLabel) + VisibleName(source, m_codePage));
  const std::string target =
      lineShowsName ? ExtractFileName(destination, PathSyntax::Posix, m_codePage) : destination;
  m_log.Append(m_texts.failedTarget + VisibleName(target, m_codePage));
  ++m_state.failureCount;
  m_interaction.FileLeft({reason, source, destination});
}

}  // namespace morvane::core
