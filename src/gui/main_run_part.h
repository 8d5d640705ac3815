#pragma once

#include <string>
#include <string_view>

#include "core/fs/file_system.h"
#include "core/pipeline/ready_run.h"
#include "core/pipeline/start_checks.h"
#include "core/settings/run_histories.h"
#include "gui/run_controller.h"
#include "gui/run_window.h"

namespace morvane::gui {

class MenuCommandsPart;
class PlanPart;
class PreviewLinePart;
class TargetListPart;
class TfrmMain;
class UndoPart;

// The parts of the main window a run works with.
struct MainRunParts {
  TargetListPart& targets;
  PreviewLinePart& preview;
  PlanPart& plan;
  UndoPart& undo;
  MenuCommandsPart& commands;
};

// The runs started from the main window: the request made from its fields, the start
// checks' field texts and focus, the numbering's confirmation, the histories a finished
// run keeps, and the end of a run.
class MainRunPart : public RunWindow {
 public:
  MainRunPart(TfrmMain& window, const MainRunParts& parts, core::FileSystem& fileSystem);

  // The Start button.
  void Start();
  // The request Start would make now, from the fields as they are now.
  core::StartRequest RequestNow() const;

  // What the run controller asks of the window.
  QWidget& Widget() override;
  MessageBoxes& Messages() override;
  OverwriteAlerts& Alerts() override;
  void ShowOverwriteAlertHelp() override;
  void ProgressBegin(int count) override;
  void ProgressSteps(int files) override;
  void ProgressEnd() override;
  void SetRunGoing(bool going) override;
  bool StopAsked() const override;
  void ShowFieldText(core::StartField field, std::string_view text) override;
  void FocusStartField(core::StartField field, std::optional<std::size_t> targetIndex) override;
  bool ConfirmNumbering(const core::RunSettings& settings) override;
  bool ResolvesChains() const override;
  void RunFilesDone(const core::StartRequest& request, const core::ReadyRun& run) override;
  void JournalWritten(const std::string& path) override;
  void FinishRun(const std::string& endMessage) override;

 private:
  void SaveNumberingHistories(const core::RunSettings& settings, const std::string& fileTypes);
  void SaveNameEditHistories(bool replacement, const core::ModeRunInputs& inputs,
                             const std::string& fileTypes);
  // The fields' histories and texts as the settings file keeps them.
  core::CopyFileFields CopyFileFieldsNow() const;
  // The mode's preview history gets the preview line as it stands, and is written.
  void RecordPreviewNow(core::OperatingMode mode);

  TfrmMain& m_window;
  MainRunParts m_parts;
  RunController m_runs;
};

}  // namespace morvane::gui
