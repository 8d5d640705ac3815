#include "screenshots.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileSystemModel>
#include <QPixmap>

#include "core/run/confirmation_texts.h"
#include "gui/help_window.h"
#include "gui/text_viewer_window.h"
#include "gui/untAlert.h"
#include "gui/untConfirmation.h"
#include "gui/untFolderSelect.h"
#include "gui/untMain.h"
#include "gui/untPEndMessage.h"
#include "gui/untPreviewList.h"
#include "gui/untSetting.h"
#include "gui/untUndo.h"
#include "gui/untVerInfo.h"

namespace morvane::probe {

using core::OperatingMode;
using gui::FolderRequest;
using gui::QtTextViewerLauncher;
using gui::TfrmAlert;
using gui::TfrmConfirmation;
using gui::TfrmFolderSelect;
using gui::TfrmPEndMessage;
using gui::TfrmVersionInfo;

bool SaveModeScreenshots(TfrmMain& window, const QString& folder) {
  struct Shot {
    OperatingMode mode;
    const char* file;
  } const shots[] = {
      {OperatingMode::SequentialRename, "1-rename.png"},
      {OperatingMode::ExtensionChange, "2-extension-change.png"},
      {OperatingMode::CaseConversion, "3-case-conversion.png"},
      {OperatingMode::StringReplacement, "4-string-replacement.png"},
      {OperatingMode::StringAddition, "5-string-addition.png"},
      {OperatingMode::CharacterConversion, "5b-character-conversion.png"},
  };
  QDir().mkpath(folder);
  bool saved = true;
  for (const Shot& shot : shots) {
    if (window.Mode() != shot.mode) window.SelectMode(shot.mode);
    QApplication::processEvents();
    saved = window.grab().save(folder + QLatin1Char('/') + QLatin1String(shot.file)) && saved;
  }
  window.SelectMode(OperatingMode::SequentialRename);
  saved = gui::SaveHelpWindowScreenshot(folder + QStringLiteral("/9-help.png")) && saved;
  saved = SaveSettingDialogsScreenshots(window, folder) && saved;
  saved = SaveRunDialogsScreenshots(window, folder) && saved;
  return SaveFolderDialogScreenshot(window, folder + QStringLiteral("/6-folder-dialog.png")) && saved;
}

bool SaveFolderDialogScreenshot(TfrmMain& window, const QString& file) {
  core::SettingsStore settings(window.Files().settingsFile, core::ActiveCodePage(), window.FileSystemInUse());
  FolderRequest request{true, {}, {}};
  TfrmFolderSelect dialog(request, settings, window.FileSystemInUse(), &window);
  dialog.show();
  // The tree reads its folders in the background; wait for the top ones, but not forever.
  const QModelIndex top = dialog.FolderModel()->index(QStringLiteral("/"));
  QElapsedTimer waited;
  waited.start();
  while (dialog.FolderModel()->rowCount(top) == 0 && waited.elapsed() < 3000) {
    QApplication::processEvents(QEventLoop::AllEvents, 50);
  }
  QApplication::processEvents();
  return dialog.grab().save(file);
}

bool SaveSettingDialogsScreenshots(TfrmMain& window, const QString& folder) {
  window.frmSetting->show();
  QApplication::processEvents();
  bool saved = window.frmSetting->grab().save(folder + QStringLiteral("/7-settings.png"));
  window.frmSetting->hide();
  TfrmVersionInfo version(gui::ProjectHomePage(), &window);
  version.show();
  QApplication::processEvents();
  saved = version.grab().save(folder + QStringLiteral("/8-version.png")) && saved;
  return saved;
}

bool SaveRunDialogsScreenshots(TfrmMain& window, const QString& folder) {
  const core::CodePage& codePage = core::ActiveCodePage();
  const auto grab = [](QWidget& dialog, const QString& file) {
    dialog.show();
    QApplication::processEvents();
    const bool saved = dialog.grab().save(file);
    dialog.hide();
    return saved;
  };

  const std::string newPath = codePage.FromUtf8("/home/user/写真/整理済み/img_002.jpg");
  const std::string source = codePage.FromUtf8("/home/user/写真/2024/IMG_0417.JPG");
  TfrmAlert alert(core::OverwriteQuestion{newPath, source, core::CallerKind::SequentialRun, true}, &window);
  bool saved = grab(alert, folder + QStringLiteral("/10-alert.png"));

  core::RunSettings settings;
  settings.increment = 1;
  settings.changeExtension = true;
  settings.newExtensionText = "jpg";
  settings.extensionCase = 2;
  TfrmConfirmation confirmation(&window);
  confirmation.SetTexts(core::MakeConfirmationTexts(settings, "jpg;jpeg", "img_001.jpg", false, codePage));
  confirmation.SetPlanCounts(12, 1);
  saved = grab(confirmation, folder + QStringLiteral("/11-confirmation.png")) && saved;

  // The plan window over a folder where one new name is taken and one file is protected.
  core::RunPlan plan;
  const auto entry = [&](core::PlanOutcome outcome, const char* source, const char* newPath, bool asked) {
    plan.entries.push_back({outcome, codePage.FromUtf8(source), codePage.FromUtf8(newPath), asked});
  };
  entry(core::PlanOutcome::Copied, "/home/user/写真/2024/IMG_0417.JPG",
        "/home/user/写真/整理済み/img_001.jpg", false);
  entry(core::PlanOutcome::Taken, "/home/user/写真/2024/IMG_0418.JPG", "/home/user/写真/整理済み/img_002.jpg",
        true);
  entry(core::PlanOutcome::Copied, "/home/user/写真/2024/IMG_0419.JPG",
        "/home/user/写真/整理済み/img_003.jpg", false);
  entry(core::PlanOutcome::Protected, "/home/user/写真/2024/setup.exe", "", false);
  gui::TfrmPreviewList planList(&window);
  planList.ShowPlan(std::move(plan));
  saved = grab(planList, folder + QStringLiteral("/13-plan-list.png")) && saved;

  // Renumbering a folder by one in place: every conflict is with a file that moves later,
  // so the window offers to resolve the chains.
  core::RunPlan chains;
  for (int number = 1; number <= 4; ++number) {
    const bool last = number == 4;
    chains.entries.push_back(
        {last ? core::PlanOutcome::Renamed : core::PlanOutcome::TakenByRun,
         codePage.FromUtf8("/home/user/写真/img_00" + std::to_string(number) + ".jpg"),
         codePage.FromUtf8("/home/user/写真/img_00" + std::to_string(number + 1) + ".jpg"), !last});
  }
  gui::TfrmPreviewList chainList(&window);
  chainList.ShowPlan(std::move(chains), {true, false});
  saved = grab(chainList, folder + QStringLiteral("/14-plan-list-chains.png")) && saved;

  // Undo of a numbering in place, one old name taken by hand since the run.
  gui::UndoOffer offer;
  offer.header.title = codePage.FromUtf8("リネームログ採取開始　26/12/08 21:42:52");
  offer.header.startedAt = QDateTime(QDate(2026, 12, 8), QTime(21, 42, 52)).toSecsSinceEpoch();
  offer.changes = 4;
  for (int number = 4; number >= 1; --number) {
    const std::string old = std::string("IMG_04") + std::to_string(16 + number) + ".JPG";
    offer.plan.entries.push_back(
        {number == 2 ? core::UndoResult::NameTaken : core::UndoResult::RenamedBack,
         codePage.FromUtf8("/home/user/写真/img_00" + std::to_string(number) + ".jpg"),
         codePage.FromUtf8("/home/user/写真/" + old)});
  }
  gui::TfrmUndo undo(&window);
  undo.SetOffer(std::move(offer));
  saved = grab(undo, folder + QStringLiteral("/15-undo.png")) && saved;

  core::SettingsStore store(window.Files().settingsFile, codePage, window.FileSystemInUse());
  QtTextViewerLauncher launcher(&window, window.FileSystemInUse());
  TfrmPEndMessage endMessage(store, window.Files(), window.FileSystemInUse(), launcher, &window);
  endMessage.lblInformation->setText(QStringLiteral(
      "リネーム処理が完了しました。\n12件のファイルをリネームしました。\nリネーム失敗数 = 0 件"));
  return grab(endMessage, folder + QStringLiteral("/12-end-message.png")) && saved;
}

}  // namespace morvane::probe
