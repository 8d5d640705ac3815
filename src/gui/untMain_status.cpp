// The status bar's information panel and the progress bar of a run.
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QStatusBar>
#include <algorithm>

#include "core/targets/status_texts.h"
#include "gui/combo_items.h"
#include "gui/qt_text.h"
#include "gui/target_list_model.h"
#include "gui/untMain.h"

namespace morvane::gui {

// Recomputed from the list and the file system every time; nothing is cached.
void TfrmMain::RefreshSelectionInfo() {
  const core::SelectionSummary summary = core::SummarizeSelection(m_targets, m_fileSystem);
  const bool anySelected = summary.count > 0;
  btnSelectFileDel->setEnabled(anySelected);
  pmnCFSelectFileDel->setEnabled(anySelected);
  pmnCFStartProcess->setEnabled(anySelected);
  SetMoveCommandsEnabled(anySelected && InUserOrderState());
  if (!anySelected) {
    if (m_targets.Empty()) {
      ShowFreeSpace();
    } else {
      ShowListTotals();
    }
    SetListHint(QString());
    return;
  }
  const std::string& first = m_targets.At(*summary.first);
  if (summary.count == 1) {
    ShowItemInfo(first);
  } else {
    stbPanel1->setText(
        ToQString(core::SelectedFilesText(summary.count, summary.totalBytes, core::ActiveCodePage())));
  }
  SetEditTextBytes(cboChoiceFile, first);
  SetListHint(ToQString(first));
}

// Over the rows as well as over the empty part of the list.
void TfrmMain::SetListHint(const QString& hint) {
  lstChoiceFile->setToolTip(hint);
  m_targetModel->SetHint(hint);
}

void TfrmMain::ShowItemInfo(const std::string& path) {
  stbPanel1->setText(ToQString(core::ItemInfoText(path, m_fileSystem, core::ActiveCodePage())));
}

void TfrmMain::ShowListTotals() {
  stbPanel1->setText(ToQString(core::AllFilesTotalsText(
      m_targets.Size(), core::TotalFileBytes(m_targets, m_fileSystem), core::ActiveCodePage())));
}

void TfrmMain::ShowFreeSpace() {
  const QString text = ToQString(core::FreeSpaceText(m_fileSystem, core::ActiveCodePage()));
  stbPanel1->setText(text);
  stbMain->setToolTip(text);
}

// A run of one file steps once by 1; a run of none has nothing to step.
void TfrmMain::ProgressBegin(int count) {
  pgbProcess->setRange(0, count);
  pgbProcess->setValue(0);
  pgbProcess->setProperty("step", count >= 2 ? 1 : count);
  pgbProcess->show();
}

void TfrmMain::ProgressStep() {
  const int step = pgbProcess->property("step").toInt();
  pgbProcess->setValue(std::min(pgbProcess->value() + step, pgbProcess->maximum()));
}

void TfrmMain::ProgressEnd() { pgbProcess->hide(); }

}  // namespace morvane::gui
