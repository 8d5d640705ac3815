#pragma once

#include <QDialog>
#include <deque>
#include <functional>

#include "core/run/confirmation_texts.h"
#include "gui/untPreviewList.h"
#include "ui_untConfirmation.h"

namespace morvane::gui {

// The go-ahead before a sequential run, with the run's settings in nine rows. Made once
// at start-up and hidden between uses.
class TfrmConfirmation : public QDialog, public Ui_TfrmConfirmation {
  Q_OBJECT

 public:
  explicit TfrmConfirmation(QWidget* parent = nullptr);

  // Fills the value column; the file types and the first name are cut to their fixed
  // widths when too long and shown whole in their tooltips.
  void SetTexts(const core::ConfirmationTexts& texts);
  // Asks modally; true only when OK was pressed (Cancel, Escape and the close box say no).
  bool ShowConfirmation();

  // Under the rows: how many files the run meets and how many it will leave as they are;
  // and, when offered, the choice to resolve the run's chains on a row of its own.
  void SetPlanCounts(std::size_t files, std::size_t left, ChainOffer chains = {});
  // Until the counts are known: says they are being counted.
  void ShowCountsPending(ChainOffer chains = {});
  // What the list button opens (the plan window, over this dialog).
  void SetShowList(std::function<void()> showList) { m_showList = std::move(showList); }
  QLabel* lblPlanCounts;
  QPushButton* btnPreviewList;
  QCheckBox* chkResolveChains;

  // Test seam: the next ShowConfirmation answers ok without showing the window.
  void AnswerNext(bool ok) { m_answers.push_back(ok); }

 signals:
  void ResolveChainsToggled(bool on);

 public slots:
  void btnOkClick();
  void btnCancelClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void AddPlanRow();
  // The choice to resolve chains on its row, when shown, and the dialog's height with it.
  void ShowChains(ChainOffer chains);

  int m_heightWithoutChains = 0;
  int m_buttonsY = 0;
  bool m_confirmed = false;
  std::function<void()> m_showList;
  std::deque<bool> m_answers;
};

}  // namespace morvane::gui
