// Presets from the window: each mode's fields saved under a name give the command line's
// --preset the very plan the window would run, and applying the preset in the window
// brings the fields back.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <sstream>

#include "cli/batch_app.h"
#include "core/fs/planning_file_system.h"
#include "core/pipeline/run_plan.h"
#include "core/presets/preset_options.h"
#include "core/presets/preset_request.h"
#include "window_fixture.h"
#include "window_test_main.h"

using morvane::core::OperatingMode;
using morvane::gui::MessageAnswer;
using morvane::gui::TfrmMain;

namespace {

class YesToAll : public morvane::core::StartAnswers {
 public:
  bool Ask(const morvane::core::StartQuestion& /*question*/) override { return true; }
};

// The plan of the window's fields as the command line's --plan prints it.
std::string WindowPlan(TfrmMain& window) {
  const morvane::core::StartRequest request = window.StartRequestNow();
  morvane::core::PlanningFileSystem planning(window.FileSystemInUse());
  YesToAll yes;
  morvane::core::StartDecision decision = morvane::core::CheckStart(request, planning, yes);
  if (!decision.Ready()) return "refused";
  const morvane::core::RunPlan plan =
      morvane::core::MakeRunPlan(std::move(*decision.run), window.ProtectedTypes(), planning, request.targets,
                                 morvane::core::ConflictPolicy::Unanswered);
  std::string records;
  for (const morvane::core::PlanEntry& entry : plan.entries)
    records += std::string(morvane::core::OutcomeName(entry.outcome)) + '\0' + entry.source + '\0' +
               entry.newPath + '\0';
  return records;
}

std::string CommandLinePlan(OperatingMode mode, const std::string& preset, const std::string& folder) {
  std::ostringstream out;
  std::ostringstream err;
  std::istringstream in;
  const morvane::cli::BatchIo io{out, err, in, false};
  const std::vector<std::string> arguments = {
      "morvane-batch", std::string(morvane::core::ModeCommandName(mode)),
      "--preset",      preset,
      "--plan",        "--yes",
      folder};
  morvane::cli::RunBatch(arguments, io, morvane::test::RealFileSystem());
  return out.str().empty() ? "refused: " + err.str() : out.str();
}

void SetText(QComboBox* combo, const char* text) { combo->setEditText(QString::fromUtf8(text)); }
void Check(QCheckBox* box, bool on) {
  if (box->isChecked() != on) box->click();
}

struct ModeFields {
  OperatingMode mode;
  std::function<void(TfrmMain&, const std::string& output)> set;
};

}  // namespace

class PresetsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { morvane::core::SetActiveCodePage(morvane::core::CodePage::Utf8()); }

  void everyModeSavedInTheWindowReplaysTheSamePlanOnTheCommandLine() {
    const ModeFields rows[] = {
        {OperatingMode::SequentialRename,
         [](TfrmMain& w, const std::string&) {
           SetText(w.cboKyotsuName, "<name>_");
           SetText(w.cboStartSeqNbr, "001");
           SetText(w.cboKyotsuName2, "-x");
           w.edtZoubun->setText(QStringLiteral("2"));
           w.cboSortType->setCurrentIndex(5);  // natural
           Check(w.chkSortDse, true);
           Check(w.chkChgExt, true);
           SetText(w.cboChgExt, "jpeg");
           w.cboRenameUL->setCurrentIndex(1);
           Check(w.chkDelFile, true);
           SetText(w.cboExtension, "jpg");
         }},
        {OperatingMode::ExtensionChange,
         [](TfrmMain& w, const std::string& output) {
           SetText(w.cboChgExt, "txt2");
           w.cboExtUL->setCurrentIndex(2);
           Check(w.chkDelFile, false);
           SetText(w.cboOutputDir, output.c_str());
         }},
        {OperatingMode::CaseConversion,
         [](TfrmMain& w, const std::string&) {
           w.cboRenameUL->setCurrentIndex(1);
           w.cboExtUL->setCurrentIndex(2);
         }},
        {OperatingMode::StringReplacement,
         [](TfrmMain& w, const std::string&) {
           Check(w.chkRegex, true);
           Check(w.chkChgStr, false);
           SetText(w.cboChgStr, "(\\w+) photo");
           SetText(w.cboChgStr2, "$1-pic");
           Check(w.chkDelFile, true);
         }},
        {OperatingMode::StringAddition,
         [](TfrmMain& w, const std::string&) {
           SetText(w.cboAddStr, "new_");
           SetText(w.cboAddStr2, "_<ext>");
           Check(w.chkChgExt, false);
           w.cboRenameUL->setCurrentIndex(2);
           Check(w.chkDelFile, true);
         }},
        {OperatingMode::CharacterConversion,
         [](TfrmMain& w, const std::string&) {
           w.cboConvAlnum->setCurrentIndex(2);  // full width
           w.cboConvKana->setCurrentIndex(1);
           Check(w.chkConvExt, true);
           Check(w.chkDelFile, true);
         }},
    };
    for (const ModeFields& row : rows) {
      morvane::test::WindowFixture f;
      f.Make(
          {{"in/a photo.txt", 1}, {"in/B Photo.jpg", 2}, {"in/c10.jpg", 3}, {"in/c9.jpg", 4}, {"out/", 0}});
      TfrmMain* window = f.Open();
      window->StoreDroppedPaths({f.At("in")});
      window->SelectMode(row.mode);
      row.set(*window, f.At("out"));
      const std::string windowPlan = WindowPlan(*window);
      QVERIFY2(windowPlan.starts_with("renamed") || windowPlan.starts_with("copied"), windowPlan.c_str());

      window->Presets().SetNamePrompt([](const QStringList&) { return QStringLiteral(" my preset "); });
      window->Presets().Menu()->findChild<QAction*>(QStringLiteral("mnuPresetSave"))->trigger();
      QCOMPARE(CommandLinePlan(row.mode, "my preset", f.At("in")), windowPlan);

      // Fields put back to what a preset that gives nothing means, then the saved one
      // applied from the menu: the window plans as before.
      window->ApplyPresetFields(morvane::core::RequestOfPreset({row.mode, {}}));
      QVERIFY(WindowPlan(*window) != windowPlan);
      window->SelectMode(OperatingMode::SequentialRename == row.mode ? OperatingMode::ExtensionChange
                                                                     : OperatingMode::SequentialRename);
      QMenu* menu = window->Presets().Menu();
      emit menu->aboutToShow();
      QAction* item = nullptr;
      for (QAction* action : menu->actions()) {
        if (action->text() == QStringLiteral("my preset")) item = action;
      }
      QVERIFY(item != nullptr);
      item->trigger();
      QCOMPARE(window->Mode(), row.mode);
      QCOMPARE(WindowPlan(*window), windowPlan);
    }
  }

  void aDamagedPresetIsRefusedByNameAndDeletedFromTheMenu() {
    morvane::test::WindowFixture f;
    TfrmMain* window = f.Open();
    QDir().mkpath(f.home->Path(QStringLiteral("Presets")));
    f.home->WriteFile(f.home->Path(QStringLiteral("Presets/broken.ini")),
                      "[Preset]\ncommand=rename\norder=sideways\n");
    window->Messages().AnswerNext(MessageAnswer::Ok);
    window->Presets().Apply("broken");
    QVERIFY(window->Messages().Shown().back().text.startsWith(
        QStringLiteral("プリセット「broken」は使えません。\n")));
    QVERIFY(window->Messages().Shown().back().text.contains(QStringLiteral("order=sideways")));

    window->Messages().AnswerNext(MessageAnswer::Yes);
    emit window->Presets().Menu()->aboutToShow();
    QMenu* deletion = window->Presets().Menu()->findChild<QMenu*>(QStringLiteral("mnuPresetDelete"));
    QCOMPARE(deletion->actions().size(), 1);
    deletion->actions().front()->trigger();
    QVERIFY(!QFile::exists(f.home->Path(QStringLiteral("Presets/broken.ini"))));
  }
};

MORVANE_WINDOW_TEST(PresetsTest)
#include "presets_test.moc"
