#include "gui/window_run_interaction.h"

#include <QCoreApplication>

#include "gui/message_boxes.h"
#include "gui/qt_text.h"
#include "gui/run_window.h"
#include "gui/untAlert.h"
#include "platform/stop_signals.h"

namespace morvane::gui {
namespace {

constexpr qint64 kPaintIntervalMs = 50;

}  // namespace

core::OverwriteChoice OverwriteAlerts::Ask(const core::OverwriteQuestion& question, QWidget* parent,
                                           const std::function<void()>& onHelp) {
  m_asked.push_back({std::string(question.newPath), std::string(question.sourcePath), question.caller,
                     question.overwriteOffered});
  if (!m_answers.empty()) {
    const std::function<core::OverwriteChoice()> answer = std::move(m_answers.front());
    m_answers.pop_front();
    return answer();
  }
  return ShowOverwriteAlert(question, parent, onHelp);
}

WindowRunInteraction::WindowRunInteraction(RunWindow& window) : m_window(window) {
  m_sincePaint.start();
  m_window.SetRunGoing(true);
}

WindowRunInteraction::~WindowRunInteraction() {
  // The end is shown with the bar full. The last caption is not: the window has put its
  // own back by now.
  if (m_pendingSteps > 0) m_window.ProgressSteps(m_pendingSteps);
  m_window.SetRunGoing(false);
  // A signal that came during the run was the run's abort, not a close.
  platform::ClearStopSignal();
}

bool WindowRunInteraction::StopRequested() { return platform::StopSignalReceived() || m_window.StopAsked(); }

core::OverwriteChoice WindowRunInteraction::AskOverwrite(const core::OverwriteQuestion& question) {
  ShowPending();
  return m_window.Alerts().Ask(question, &m_window.Widget(), [this] { m_window.ShowOverwriteAlertHelp(); });
}

void WindowRunInteraction::ShowInformation(std::string_view text) {
  ShowPending();
  m_window.Messages().Show(MessageKind::Information, ToQString(text));
}

void WindowRunInteraction::SetCaption(std::string_view text) {
  m_caption.assign(text);
  m_captionPending = true;
  KeepPainted();
}

void WindowRunInteraction::ProgressBegin(std::size_t count) {
  ShowPending();
  m_window.ProgressBegin(static_cast<int>(count));
  KeepPainted();
}

void WindowRunInteraction::ProgressStep() {
  ++m_pendingSteps;
  KeepPainted();
}

void WindowRunInteraction::ProgressEnd() {
  ShowPending();
  m_window.ProgressEnd();
}

void WindowRunInteraction::ShowPending() {
  if (m_captionPending) {
    m_window.Widget().setWindowTitle(ToQString(m_caption));
    m_captionPending = false;
  }
  if (m_pendingSteps > 0) {
    m_window.ProgressSteps(m_pendingSteps);
    m_pendingSteps = 0;
  }
}

void WindowRunInteraction::KeepPainted() {
  if (m_sincePaint.elapsed() < kPaintIntervalMs) return;
  ShowPending();
  // The window shows itself disabled and drops every click and key but those that stop
  // the run (run_stop_part.h).
  QCoreApplication::processEvents();
  m_sincePaint.restart();
}

void WindowMessagePresenter::ShowInformation(std::string_view text) {
  m_messages.Show(MessageKind::Information, ToQString(text));
}

void WindowMessagePresenter::ShowWarning(std::string_view text) {
  m_messages.Show(MessageKind::Warning, ToQString(text));
}

bool WindowMessagePresenter::ConfirmOkCancel(std::string_view text) {
  return m_messages.Show(MessageKind::Confirmation, ToQString(text), MessageButtons::OkCancel) ==
         MessageAnswer::Ok;
}

}  // namespace morvane::gui
