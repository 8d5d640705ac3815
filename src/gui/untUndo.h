#pragma once

#include <QDialog>
#include <cstddef>
#include <deque>

#include "core/undo/journal_format.h"
#include "core/undo/undo_run.h"

class QLabel;
class QPushButton;
class QTableView;

namespace morvane::gui {

class UndoListModel;

// What the undo dialog tells about the run it offers to take back.
struct UndoOffer {
  core::JournalHeader header;  // the run's title and start
  std::size_t changes = 0;     // the changes the run marked done
  bool ended = true;           // false: the run was killed before its end
  core::UndoReport plan;       // what undo would do (a dry run)
};

// The go-ahead before an undo: the run's title, time and number of changes, and what
// undo will do with each change, the files it will leave marked, with the reason. Made
// once at start-up and hidden between uses.
class TfrmUndo : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmUndo(QWidget* parent = nullptr);

  void SetOffer(UndoOffer offer);
  // Asks modally; true only when 元に戻す was pressed (Cancel, Escape and the close box
  // say no).
  bool ShowUndo();

  // Test seam: the next ShowUndo answers without showing the window (the texts and rows
  // are set all the same).
  void AnswerNext(bool undo) { m_answers.push_back(undo); }

  QLabel* lblUndoTitle;
  QLabel* lblUndoTime;
  QLabel* lblUndoCount;
  QLabel* lblUndoUnfinished;
  QTableView* lstUndo;
  QLabel* lblUndoCounts;
  QLabel* lblUndoQuestion;
  QPushButton* btnUndo;
  QPushButton* btnCancel;

 public slots:
  void btnUndoClick();
  void btnCancelClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  UndoListModel* m_model;
  bool m_confirmed = false;
  std::deque<bool> m_answers;
};

// The counts under the list: the files undo takes back and the files it leaves.
QString UndoCountsText(const core::UndoReport& plan);

}  // namespace morvane::gui
