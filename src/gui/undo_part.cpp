#include "gui/undo_part.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMenu>

#include "core/undo/undo_flow.h"
#include "core/undo/undo_store.h"
#include "core/undo/undo_texts.h"
#include "gui/journal_failure_message.h"
#include "gui/long_wait.h"
#include "gui/message_boxes.h"
#include "gui/qt_text.h"
#include "gui/untPEndMessage.h"
#include "gui/untUndo.h"
#include "gui/wait_cursor.h"
#include "gui/window_run_interaction.h"

namespace morvane::gui {
namespace {

// Why the journal read cannot be undone, as the message says it.
QString FaultText(const core::JournalReadResult& read, bool exists) {
  switch (read.fault) {
    case core::JournalFault::NotAJournal:
      return exists ? QStringLiteral("元に戻すための記録ではありません。")
                    : QStringLiteral("記録が見つかりません。");
    case core::JournalFault::OtherVersion:
      return QStringLiteral(
                 "記録の形式がバージョン %1 です。このプログラムが読める形式はバージョン %2 です。")
          .arg(read.version)
          .arg(core::kJournalVersion);
    case core::JournalFault::Damaged:
    case core::JournalFault::None:
      break;
  }
  return QStringLiteral("記録が壊れています（読めない行があります）。");
}

// Keeps the window painted through a long undo (one line per change), at most every
// 50 ms, as a run does. Keys, clicks and the notifiers of the stop signals and of a second
// start wait for its end, so that nothing else starts or closes the window meanwhile.
void KeepPainted(core::ResultLog& log) {
  QElapsedTimer sincePaint;
  sincePaint.start();
  log.SetObserver([sincePaint](std::string_view) mutable {
    if (sincePaint.elapsed() < 50) return;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers);
    sincePaint.restart();
  });
}

// The end message of an undo, with the counts of its result lines.
std::string UndoEndMessage(const core::UndoReport& report) {
  const core::CodePage& codePage = core::ActiveCodePage();
  const core::UndoTexts texts(codePage);
  return codePage.FromUtf8("元に戻す処理が完了しました。") + "\r\n" + std::to_string(report.undone) +
         texts.undoneCount + "\r\n" + texts.leftCount + std::to_string(report.left) + texts.countUnit;
}

}  // namespace

UndoPart::UndoPart(UndoHost& host, const UndoWindows& windows, const core::ProgramFiles& files,
                   core::FileSystem& fileSystem, QMenu* menu, QAction* before, QWidget* window)
    : QObject(window),
      m_host(host),
      m_windows(windows),
      m_files(files),
      m_fileSystem(fileSystem),
      m_dialog(new TfrmUndo(window)),
      m_menuItem(new QAction(QStringLiteral("元に戻す(&Z)..."), window)) {
  m_menuItem->setObjectName(QStringLiteral("mnuUndo"));
  // Beside the plan window's item, the other one that opens a window about a run; the
  // preview history below stands apart.
  menu->insertAction(before, m_menuItem);
  menu->insertSeparator(before);
  connect(m_menuItem, &QAction::triggered, this, &UndoPart::UndoNewestRun);
  // Another start of the program, or morvane-batch, may run or undo meanwhile.
  connect(menu, &QMenu::aboutToShow, this, &UndoPart::RefreshItem);
  RefreshItem();
}

void UndoPart::RefreshItem() {
  m_menuItem->setEnabled(core::UndoStore(m_fileSystem, m_files.folder).NewestToUndo(&m_status).has_value());
}

void UndoPart::JournalWritten(const std::string& path) {
  if (const std::optional<core::FileInfo> info = m_fileSystem.Stat(path))
    m_status.Remember(core::JournalIdOf(path), *info, false);
}

void UndoPart::UndoNewestRun() {
  core::UndoStore store(m_fileSystem, m_files.folder);
  // Reading the journal of a large run takes a moment of its own.
  const core::UndoTarget target =
      WaitFor(m_dialog->parentWidget(), QStringLiteral("実行の記録を読んでいます..."),
              [&store] { return core::ChooseUndo(store, std::nullopt); });
  if (target.refusal) {
    if (*target.refusal == core::UndoRefusal::Unreadable) {
      m_host.Messages().Show(MessageKind::Error,
                             QStringLiteral("\r\n実行の記録を読めないため、元に戻せません。\r\n%1\r\n%2"
                                            "\r\n何も変更していません。")
                                 .arg(FaultText(target.read, true), ToQString(target.path)));
    } else {
      // Nothing left to undo, or another start of the program undid it meanwhile.
      m_host.Messages().Show(MessageKind::Information, QStringLiteral("\r\n元に戻せる実行がありません。"));
      RefreshItem();
    }
    return;
  }
  const core::JournalContents& journal = target.Journal();

  UndoOffer offer = [&] {
    const WaitCursor waiting;
    core::ResultLog planLog = core::ResultLog::Discarding();
    KeepPainted(planLog);
    return UndoOffer{journal.header, journal.done.size(), journal.ended,
                     core::PlanUndo(target, m_fileSystem, planLog)};
  }();
  m_dialog->SetOffer(std::move(offer));
  if (!m_dialog->ShowUndo()) return;

  m_host.ReloadLogSettings();
  const core::LogSettings& logSettings = m_host.LogOptions();
  core::UndoReport report;
  try {
    core::ResultLog log(m_files.resultFile, m_files.logFile, logSettings.outputLog, m_fileSystem);
    KeepPainted(log);
    const WaitCursor waiting;
    report = core::TakeBack(store, target, m_fileSystem, log, core::LocalNow());
    if (!report.journalFailure) log.Close();
  } catch (const core::LogWriteError& error) {
    RefreshItem();
    m_host.Messages().Show(MessageKind::Error, ToQString(error.Message()));
    return;
  }
  if (const std::optional<core::JournalFailure>& failure = report.journalFailure) {
    m_host.Messages().Show(MessageKind::Error,
                           JournalFailureMessage(*failure, QStringLiteral("元に戻しません")));
    return;
  }
  WindowMessagePresenter presenter(m_host.Messages());
  core::ShowResultFile(logSettings, {m_files, m_fileSystem, presenter, m_windows.viewer});
  m_windows.endMessage->ShowEndMessage(UndoEndMessage(report));
  m_host.ShowFreeSpace();
  RefreshItem();
}

}  // namespace morvane::gui
