#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "core/log/result_log.h"
#include "core/modes/numbering/sequence_run.h"
#include "core/modes/renaming/mode_run.h"
#include "core/names/extension_filter.h"
#include "core/run/run_driver.h"
#include "core/run/run_frame.h"
#include "core/run/run_interaction.h"
#include "core/settings/protected_extension_settings.h"
#include "platform/posix_file_system.h"
#include "support/temp_folder.h"

namespace morvane::test {

// Answers the overwrite alert from a script and records everything the run says.
class ScriptedInteraction : public core::RunInteraction {
 public:
  struct Question {
    std::string newPath;
    std::string sourcePath;
    bool overwriteOffered;
  };

  core::OverwriteChoice AskOverwrite(const core::OverwriteQuestion& question) override {
    questions.push_back(
        {std::string(question.newPath), std::string(question.sourcePath), question.overwriteOffered});
    if (answers.empty()) {
      ADD_FAILURE() << "unexpected question about " << question.newPath;
      return core::OverwriteChoice::Abort;
    }
    const core::OverwriteChoice answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void ShowInformation(std::string_view text) override { informations.emplace_back(text); }
  void SetCaption(std::string_view text) override { caption = text; }
  void ProgressBegin(std::size_t count) override { progressRange = count; }
  void ProgressStep() override {
    if (beforeTarget) beforeTarget(steps);
    ++steps;
  }
  void ProgressEnd() override {}
  void FileLeft(const core::LeftFile& file) override { leftReasons.push_back(file.reason); }

  std::deque<core::OverwriteChoice> answers;
  std::vector<Question> questions;
  std::vector<std::string> informations;
  std::vector<core::LeftReason> leftReasons;
  std::string caption;
  std::size_t progressRange = 0;
  std::size_t steps = 0;
  // Runs just before the target with this index is touched.
  std::function<void(std::size_t index)> beforeTarget;
};

// A temporary program folder with a run over real files in it.
class RunFixture : public ::testing::Test {
 protected:
  static core::RunSettings InPlace(const char* start = "1") {
    core::RunSettings settings;
    settings.startText = start;
    settings.renameInPlace = true;
    return settings;
  }
  core::RunSettings CopyTo(const char* folder, const char* start = "1") {
    core::RunSettings settings;
    settings.startText = start;
    settings.outputFolder = m_folder.Path(folder);
    return settings;
  }

  // One whole run as the command line makes it: header, collection, loop, summary,
  // footer, with a fixed time.
  core::SequenceRunState Run(core::RunSettings settings, const std::vector<std::string>& relativeTargets,
                             const std::string& filterText = "", bool appendToLog = false) {
    std::vector<std::string> targets;
    for (const std::string& target : relativeTargets) targets.push_back(m_folder.Path(target));
    const std::string text = filterText.empty() ? core::AllFilesText(core::CodePage::Utf8()) : filterText;
    core::SequenceRunInputs inputs{
        std::move(settings), core::BuildExtensionFilter(text, core::CodePage::Utf8()), text, m_protected};
    core::ResultLog log(m_folder.Path("Result.dat"), m_folder.Path("Rename.log"), appendToLog, m_fileSystem);
    core::SequenceRun run(std::move(inputs), m_fileSystem, log, m_interaction, core::CodePage::Utf8());
    m_endMessage = core::DriveRun(
        run, log, targets, {}, [] { return kTime; }, core::CodePage::Utf8());
    return run.State();
  }

  // A whole run of any mode over targets relative to the test folder, appending to
  // Rename.log; copies go to "out". configure sets the mode's own fields.
  void RunInMode(core::OperatingMode mode, const std::function<void(core::ModeRunInputs&)>& configure,
                 bool inPlace, const std::vector<std::string>& targets = {"in"}) {
    if (mode == core::OperatingMode::SequentialRename) {
      Run(inPlace ? InPlace() : CopyTo("out"), targets, "", true);
      return;
    }
    core::ModeRunInputs inputs;
    inputs.mode = mode;
    inputs.renameInPlace = inPlace;
    if (!inPlace) inputs.outputFolder = m_folder.Path("out");
    configure(inputs);
    const std::string text = core::AllFilesText(core::CodePage::Utf8());
    inputs.filter = core::BuildExtensionFilter(text, core::CodePage::Utf8());
    inputs.filterText = text;
    inputs.protectedExtensions = m_protected;
    core::ResultLog log(m_folder.Path("Result.dat"), m_folder.Path("Rename.log"), true, m_fileSystem);
    core::ModeRun run(std::move(inputs), m_fileSystem, log, m_interaction, core::CodePage::Utf8());
    std::vector<std::string> paths;
    for (const std::string& target : targets) paths.push_back(m_folder.Path(target));
    core::DriveRun(
        run, log, paths, {}, [] { return kTime; }, core::CodePage::Utf8());
  }

  // The lines of the result file between the header's empty line and the summary.
  std::vector<std::string> ResultLines() const {
    std::vector<std::string> lines;
    const std::string text = m_folder.ReadFile("Result.dat");
    for (std::size_t start = 0; start < text.size();) {
      const std::size_t end = text.find("\r\n", start);
      lines.push_back(text.substr(start, end - start));
      start = end + 2;
    }
    return lines;
  }

  bool ResultHasLine(const std::string& line) const {
    const std::vector<std::string> lines = ResultLines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }

  static constexpr core::LocalDateTime kTime{2024, 5, 1, 10, 0, 0};
  TempFolder m_folder;
  platform::PosixFileSystem m_fileSystem;
  ScriptedInteraction m_interaction;
  core::ProtectedExtensions m_protected = core::MakeProtectedExtensions(
      {true, true, true, true, true, true, true, true}, "", core::CodePage::Utf8());
  std::string m_endMessage;
};

}  // namespace morvane::test
