#pragma once

#include <QDialog>
#include <deque>
#include <string>
#include <vector>

#include "core/fs/file_system.h"
#include "core/fs/program_files.h"
#include "core/log/text_viewer.h"
#include "core/settings/settings_store.h"
#include "gui/message_boxes.h"
#include "ui_untPEndMessage.h"

namespace morvane::gui {

// The end message: the closing summary of a run, with a button that opens the result
// file. Made once at start-up and hidden between uses.
class TfrmPEndMessage : public QDialog, public Ui_TfrmPEndMessage {
  Q_OBJECT

 public:
  // fileSystem: what tells whether the result file exists.
  TfrmPEndMessage(core::SettingsStore& settings, const core::ProgramFiles& files,
                  const core::FileSystem& fileSystem, core::TextViewerLauncher& launcher,
                  QWidget* parent = nullptr);

  // Shows text (bytes in the code page, lines ending in CR LF) modally. Nothing is shown
  // for a blank text, nor when the result text option is on: the result file was opened
  // in the viewer instead.
  void ShowEndMessage(const std::string& text);

  MessageBoxes& Messages() { return m_messages; }
  // Test seam: the next message that would be shown is recorded and not shown.
  void AnswerNext() { ++m_pendingAnswers; }
  // Every text the window was shown with (or would have been, under AnswerNext).
  const std::vector<std::string>& ShownTexts() const { return m_shownTexts; }

 public slots:
  // Places the buttons by the result text option: OK alone in the middle when it is on,
  // otherwise OK left of the middle and the result log button beside it.
  void FormActivate();
  void btnOkClick();
  void btnLogOpenClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  bool ResultTextOn() const;

  core::SettingsStore& m_settings;
  core::ProgramFiles m_files;
  const core::FileSystem& m_fileSystem;
  core::TextViewerLauncher& m_launcher;
  MessageBoxes m_messages;
  int m_pendingAnswers = 0;
  std::vector<std::string> m_shownTexts;
};

}  // namespace morvane::gui
