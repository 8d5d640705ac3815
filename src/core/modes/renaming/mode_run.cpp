#include "core/modes/renaming/mode_run.h"

#include "core/fs/folder_files.h"
#include "core/names/path_rules.h"
#include "core/run/missing_target.h"
#include "core/text/visible_name.h"

namespace morvane::core {

ModeRun::ModeRun(ModeRunInputs inputs, FileSystem& fileSystem, ResultLog& log, RunInteraction& interaction,
                 const CodePage& codePage)
    : m_inputs(std::move(inputs)),
      m_fileSystem(fileSystem),
      m_log(log),
      m_interaction(interaction),
      m_codePage(codePage),
      m_texts(m_inputs.mode, codePage),
      m_additions(
          m_inputs.mode == OperatingMode::StringAddition ? m_inputs.names.stringA : std::string_view(),
          m_inputs.mode == OperatingMode::StringAddition ? m_inputs.names.stringB : std::string_view(),
          codePage),
      m_files(codePage) {
  m_inputs.renameInPlace = RenamesInPlace(m_inputs.mode, m_inputs.renameInPlace);
}

void ModeRun::Collect(const std::vector<std::string>& targetList) {
  m_interaction.SetCaption(m_texts.collectingCaption);
  m_state.failureCount = 0;
  m_files.Clear();
  m_plan.clear();
  m_newPaths.Clear();
  m_planMade = false;
  ExpandTargetsToRunFileSet(targetList);
}

void ModeRun::ExpandTargetsToRunFileSet(const std::vector<std::string>& targetList) {
  for (const std::string& target : targetList) {
    const std::optional<FileInfo> info = m_fileSystem.Stat(target);
    if (!info || !info->isFolder) {
      CollectRunFile(target, info);
      continue;
    }
    std::string folder = target;
    if (EndsWithSeparator(folder, PathSyntax::Posix, m_codePage)) folder.pop_back();
    // A folder is listed once per filter word; a file two words find is kept once.
    for (const std::string& word : m_inputs.filter.Words()) {
      VisitFolderFilesOfType(
          m_fileSystem, folder, word, m_codePage,
          [&](std::string_view path, const FileInfo& info) { CollectRunFile(path, info); });
    }
  }
}

void ModeRun::CollectRunFile(std::string_view path, const std::optional<FileInfo>& info) {
  if (!info || info->isFolder) {
    const LeftReason reason = LogMissingTarget(m_log, m_texts, m_fileSystem, path, m_codePage);
    ++m_state.failureCount;
    m_interaction.FileLeft({reason, path, {}});
    return;
  }
  // The listing's wildcard can find longer extensions than the word; the filter decides.
  if (MatchesExtensionFilter(m_inputs.filter, path, PathSyntax::Posix, m_codePage)) {
    m_files.Add(path, FileIdentity::Of(*info));
  } else {
    // No result line tells of it, but it is still a file the run leaves.
    m_interaction.FileLeft({LeftReason::Filtered, path, {}});
  }
}

void ModeRun::Execute() {
  const std::vector<RunFileSet::Member>& members = m_files.Members();
  m_state.successCount = 0;
  m_state.abortRequested = false;
  m_state.overwriteChoice = OverwriteChoice::None;
  m_interaction.ProgressBegin(members.size());
  m_waitingSources.Clear();
  m_waitingSources.AddInRunOrder(members.size(),
                                 [&members](std::size_t i) { return members[i].identity.Id(); });

  m_planCursor = 0;
  for (const RunFileSet::Member& member : members) {
    if (m_interaction.StopRequested()) {
      m_state.abortRequested = true;
    } else {
      m_waitingSources.Leave(member.identity.Id());
      ProcessFile(std::string(member.path));
    }
    if (m_state.abortRequested) {
      if (!m_texts.aborted.empty()) m_log.Append(m_texts.aborted);
      break;
    }
  }
  m_log.Flush();
  m_waitingSources.Clear();
}

std::string ModeRun::FailureLine() const {
  return m_texts.failureCount + std::to_string(m_state.failureCount) + m_texts.countUnit;
}

std::string ModeRun::SummaryLine() const {
  if (m_state.successCount == 0) return m_texts.nothingDone;
  std::string line = std::to_string(m_state.successCount) + m_texts.countSuffix;
  if (m_inputs.mode == OperatingMode::ExtensionChange) {
    const std::string extension =
        ConvertedNewExtension(m_inputs.names.newExtensionText, m_inputs.names.extensionCase, m_codePage);
    line += extension.empty() ? m_texts.toNoExtension : extension + m_texts.toExtension;
  }
  return line;
}

void ModeRun::WriteSummary() {
  if (m_state.successCount != 0) {
    m_log.Append(m_texts.finished);
    m_log.Append("");
  }
  m_log.Append(SummaryLine());
  if (m_state.successCount == 0) m_log.Append("");
  m_log.Append(FailureLine());
  m_log.Append("");
  m_log.Flush();
}

std::string ModeRun::EndMessage() const {
  std::string message = SummaryLine() + "\r\n" + FailureLine();
  if (m_state.successCount != 0 && m_texts.endMessageHasFinishedLine)
    message = m_texts.finished + "\r\n" + message;
  return message;
}

const std::vector<PlannedMove>& ModeRun::PlanNames() {
  if (m_planMade) return m_plan;
  const std::vector<RunFileSet::Member>& members = m_files.Members();
  m_plan.clear();
  m_plan.reserve(members.size());
  for (const RunFileSet::Member& member : members) {
    const std::string path(member.path);
    const NameDecision decision = DecideName(path);
    if (decision.leave) continue;
    const std::string destination = DestinationOf(path, decision.newName);
    m_plan.push_back({member.path, m_newPaths.Add(destination), member.identity});
  }
  m_planMade = true;
  return m_plan;
}

}  // namespace morvane::core
