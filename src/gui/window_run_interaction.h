#pragma once

#include <QElapsedTimer>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "core/log/log_commands.h"
#include "core/log/text_viewer.h"
#include "core/run/run_interaction.h"
#include "gui/message_boxes.h"

class QWidget;

namespace morvane::gui {

class RunWindow;

// The overwrite alert as the runs of a window ask it. Tests queue answers with
// AnswerNext; a queued answer is taken instead of showing the alert, and every question
// is recorded either way.
class OverwriteAlerts {
 public:
  struct Asked {
    std::string newPath;
    std::string sourcePath;
    core::CallerKind caller;
    bool overwriteOffered;
  };

  core::OverwriteChoice Ask(const core::OverwriteQuestion& question, QWidget* parent,
                            const std::function<void()>& onHelp);
  void AnswerNext(core::OverwriteChoice choice) {
    m_answers.push_back([choice] { return choice; });
  }
  // An answer given by a person who also does something while the alert is up.
  void AnswerNextWith(std::function<core::OverwriteChoice()> answer) {
    m_answers.push_back(std::move(answer));
  }
  const std::vector<Asked>& AskedQuestions() const { return m_asked; }

 private:
  std::deque<std::function<core::OverwriteChoice()>> m_answers;
  std::vector<Asked> m_asked;
};

// How a run started from the main window talks to the user: the overwrite alert,
// information messages, the caption and the progress bar. The caption and the bar are
// brought up to date, and pending events handled, at most every 50 ms and before every
// question or message, so the window stays drawn during a long run and can be asked to
// stop, without painting once per file.
class WindowRunInteraction : public core::RunInteraction {
 public:
  // The window counts as running a run for as long as this lives.
  explicit WindowRunInteraction(RunWindow& window);
  ~WindowRunInteraction() override;
  WindowRunInteraction(const WindowRunInteraction&) = delete;
  WindowRunInteraction& operator=(const WindowRunInteraction&) = delete;

  core::OverwriteChoice AskOverwrite(const core::OverwriteQuestion& question) override;
  void ShowInformation(std::string_view text) override;
  void SetCaption(std::string_view text) override;
  void ProgressBegin(std::size_t count) override;
  void ProgressStep() override;
  void ProgressEnd() override;
  // A caught SIGTERM or SIGHUP, or the person's stop: the run ends before the next
  // file, as at an abort.
  bool StopRequested() override;

 private:
  void KeepPainted();
  // Shows the newest caption and the files done since the bar was last stepped.
  void ShowPending();

  RunWindow& m_window;
  QElapsedTimer m_sincePaint;
  std::string m_caption;
  bool m_captionPending = false;
  int m_pendingSteps = 0;
};

// Opens files in the viewer: the program's own launcher, or one put in its place (a
// test's), so that everything holding this launcher follows the switch.
class SwitchableViewerLauncher : public core::TextViewerLauncher {
 public:
  explicit SwitchableViewerLauncher(core::TextViewerLauncher& standard) : m_standard(standard) {}
  void Replace(core::TextViewerLauncher* replacement) { m_replacement = replacement; }
  void StartProgram(const std::vector<std::string>& words) override { Current().StartProgram(words); }
  void ShowBuiltInViewer(std::string_view path) override { Current().ShowBuiltInViewer(path); }

 private:
  core::TextViewerLauncher& Current() { return m_replacement != nullptr ? *m_replacement : m_standard; }

  core::TextViewerLauncher& m_standard;
  core::TextViewerLauncher* m_replacement = nullptr;
};

// The log commands' messages through the window's message boxes.
class WindowMessagePresenter : public core::MessagePresenter {
 public:
  explicit WindowMessagePresenter(MessageBoxes& messages) : m_messages(messages) {}
  void ShowInformation(std::string_view text) override;
  void ShowWarning(std::string_view text) override;
  bool ConfirmOkCancel(std::string_view text) override;

 private:
  MessageBoxes& m_messages;
};

}  // namespace morvane::gui
