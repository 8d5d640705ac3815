#include "gui/run_controller.h"

#include <QApplication>
#include <QWidget>

#include "core/pipeline/journaled_run.h"
#include "core/run/run_driver.h"
#include "gui/journal_failure_message.h"
#include "gui/message_boxes.h"
#include "gui/qt_text.h"
#include "gui/window_run_interaction.h"

namespace morvane::gui {
namespace {

// The start questions in the window's message boxes and confirmation.
class WindowStartAnswers : public core::StartAnswers {
 public:
  explicit WindowStartAnswers(RunWindow& window) : m_window(window) {}

  bool Ask(const core::StartQuestion& question) override {
    if (question.numbering) return m_window.ConfirmNumbering(*question.numbering);
    if (question.kind == core::StartQuestion::Kind::GoAhead) {
      return m_window.Messages().Show(MessageKind::Confirmation, ToQString(question.text),
                                      MessageButtons::OkCancel) == MessageAnswer::Ok;
    }
    return m_window.Messages().Show(MessageKind::Confirmation, ToQString(question.text),
                                    MessageButtons::YesNo) == MessageAnswer::Yes;
  }
  void FieldTextTaken(core::StartField field, std::string_view text) override {
    m_window.ShowFieldText(field, text);
  }

 private:
  RunWindow& m_window;
};

// The end message of a run the person stopped begins with this line.
constexpr std::string_view kStoppedLine = "実行を中止しました。\r\n";

MessageKind KindOf(core::StartMessageKind kind) {
  switch (kind) {
    case core::StartMessageKind::Confirmation:
      return MessageKind::Confirmation;
    case core::StartMessageKind::Error:
      return MessageKind::Error;
    case core::StartMessageKind::Warning:
      break;
  }
  return MessageKind::Warning;
}

}  // namespace

bool RunController::Start(const core::StartRequest& request,
                          const core::ProtectedExtensions& protectedExtensions,
                          const core::ProgramFiles& files, bool appendToLog) {
  WindowStartAnswers answers(m_window);
  core::StartDecision decision = core::CheckStart(request, m_fileSystem, answers);
  if (!decision.Ready()) {
    ShowRefusal(*decision.refusal);
    return false;
  }
  decision.run->resolveChains = m_window.ResolvesChains();
  Run(request, std::move(*decision.run), protectedExtensions, files, appendToLog);
  return true;
}

void RunController::ShowRefusal(const core::StartRefusal& refusal) {
  if (!refusal.message.empty()) m_window.Messages().Show(KindOf(refusal.kind), ToQString(refusal.message));
  m_window.FocusStartField(refusal.field, refusal.targetIndex);
}

void RunController::Run(const core::StartRequest& request, core::ReadyRun run,
                        const core::ProtectedExtensions& protectedExtensions, const core::ProgramFiles& files,
                        bool appendToLog) {
  QWidget& window = m_window.Widget();
  const QString caption = window.windowTitle();
  const core::ReadyRun ready = run;
  // The undo journal, made before any file is touched and written ahead of every change.
  core::JournaledRun journaled(m_fileSystem, files.folder, std::move(run), protectedExtensions,
                               core::LocalNow());
  if (const std::optional<core::JournalFailure>& failure = journaled.Failure()) {
    m_window.Messages().Show(MessageKind::Error,
                             JournalFailureMessage(*failure, QStringLiteral("実行しません")));
    return;
  }
  std::string endMessage;
  try {
    core::ResultLog log(files.resultFile, files.logFile, appendToLog, m_fileSystem);
    WindowRunInteraction interaction(m_window);
    core::RunSteps steps;
    steps.beforeCollect = [] { QApplication::setOverrideCursor(Qt::WaitCursor); };
    steps.afterCollect = [] { QApplication::restoreOverrideCursor(); };
    steps.afterExecute = [&] {
      m_window.RunFilesDone(request, ready);
      window.setWindowTitle(caption);
    };
    core::JournaledRunEnd end = journaled.Drive(log, interaction, request.targets, std::move(steps));
    endMessage = std::move(end.endMessage);
    if (end.counts.abortRequested && m_window.StopAsked())
      endMessage.insert(0, core::ActiveCodePage().FromUtf8(kStoppedLine));
    if (!end.journalPath.empty()) m_window.JournalWritten(end.journalPath);
    log.Close();
  } catch (const core::LogWriteError& error) {
    // The files done so far stay done; the run stops here and says why.
    while (QApplication::overrideCursor() != nullptr) QApplication::restoreOverrideCursor();
    window.setWindowTitle(caption);
    m_window.ProgressEnd();
    m_window.Messages().Show(MessageKind::Error, ToQString(error.Message()));
    return;
  }
  m_window.FinishRun(endMessage);
}

}  // namespace morvane::gui
