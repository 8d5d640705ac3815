#pragma once

#include <QDialog>
#include <functional>

#include "core/run/run_interaction.h"
#include "ui_untAlert.h"

namespace morvane::gui {

// The overwrite alert: the new path of a target is taken by another file, and the user
// chooses what the run does about it. Made for one conflict and released afterwards.
// Closing it without a button (close box, Escape) skips the target.
class TfrmAlert : public QDialog, public Ui_TfrmAlert {
  Q_OBJECT

 public:
  explicit TfrmAlert(const core::OverwriteQuestion& question, QWidget* parent = nullptr);

  // The answer; Skip until a button chose otherwise.
  core::OverwriteChoice Choice() const { return m_choice; }

 signals:
  // The help button was pressed; the alert stays open.
  void helpRequested();

 public slots:
  void btnOverWriteClick();
  void btnAllOverWriteClick();
  void btnAutoClick();
  void btnCancelClick();
  void btnAbortClick();
  void btnHelpClick();

 private:
  void Answer(core::OverwriteChoice choice);
  void ArrangeForCaller(core::CallerKind caller);

  core::OverwriteChoice m_choice = core::OverwriteChoice::Skip;
};

// Asks the question in a modal alert that exists only while it is shown and returns the
// answer. onHelp (may be empty) runs for each press of the help button.
core::OverwriteChoice ShowOverwriteAlert(const core::OverwriteQuestion& question, QWidget* parent,
                                         const std::function<void()>& onHelp);

}  // namespace morvane::gui
