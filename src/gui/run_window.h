#pragma once

#include <optional>
#include <string>

#include "core/pipeline/ready_run.h"
#include "core/pipeline/start_checks.h"

class QWidget;

namespace morvane::gui {

class MessageBoxes;
class OverwriteAlerts;

// What a run started from the window needs of the window it runs in. The main window
// implements it; the run controller and the run interaction know nothing else of it.
class RunWindow {
 public:
  virtual ~RunWindow() = default;

  // The window itself: the parent of the alert, and the caption a run shows.
  virtual QWidget& Widget() = 0;
  virtual MessageBoxes& Messages() = 0;
  virtual OverwriteAlerts& Alerts() = 0;
  virtual void ShowOverwriteAlertHelp() = 0;
  virtual void ProgressBegin(int count) = 0;
  // Steps the progress bar once for each of files done.
  virtual void ProgressSteps(int files) = 0;
  virtual void ProgressEnd() = 0;
  // Whether a run is going (a signal then stops the run, not the window).
  virtual void SetRunGoing(bool going) = 0;
  // The person asked the run to stop after the file in hand (中止, Esc, a close).
  virtual bool StopAsked() const = 0;

  // The start checks: a field's text as they took it; the focus after a refusal (and
  // the entry of the list at fault); the numbering's confirmation of its settings.
  virtual void ShowFieldText(core::StartField field, std::string_view text) = 0;
  virtual void FocusStartField(core::StartField field, std::optional<std::size_t> targetIndex) = 0;
  virtual bool ConfirmNumbering(const core::RunSettings& settings) = 0;
  // Whether the person chose to resolve the run's chains (in the plan window or the
  // confirmation); asked once the start checks have passed.
  virtual bool ResolvesChains() const = 0;

  // After the last file, before the summary: the histories the run's mode keeps, the
  // list emptied.
  virtual void RunFilesDone(const core::StartRequest& request, const core::ReadyRun& run) = 0;
  // The run's undo journal is complete at path (or gone, when the run changed nothing):
  // the window need not read it to know that it can be undone.
  virtual void JournalWritten(const std::string& path) = 0;
  // After the run's last line: the result file shown as the settings say, the end
  // message, the status bar brought up to date.
  virtual void FinishRun(const std::string& endMessage) = 0;
};

}  // namespace morvane::gui
