// The plan window: opened from the 機能 menu, it lists every file with its new name and
// outcome, marks the files the run will leave, counts them, follows the fields, and
// changes nothing on disk.
#include "gui/untPreviewList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QTableView>
#include <QTest>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <memory>
#include <mutex>
#include <thread>

#include "core/fs/forwarding_file_system.h"
#include "gui/plan_list_model.h"
#include "gui/untConfirmation.h"
#include "gui/untPEndMessage.h"
#include "when_modal.h"
#include "window_fixture.h"
#include "window_test_main.h"

using morvane::gui::PlanListModel;

namespace {

// Holds every folder listing made off the window's thread (a plan's) until opened.
class GatedFileSystem : public morvane::core::ForwardingFileSystem {
 public:
  using ForwardingFileSystem::ForwardingFileSystem;

  void Open() {
    const std::lock_guard lock(m_mutex);
    m_open = true;
    m_opened.notify_all();
  }
  void VisitFolder(std::string_view folder, std::string_view pattern,
                   const std::function<void(const morvane::core::DirectoryEntry&)>& visit) const override {
    if (std::this_thread::get_id() != m_windowThread) {
      std::unique_lock lock(m_mutex);
      // Bounded, so that a test that fails before opening it ends all the same.
      m_opened.wait_for(lock, std::chrono::seconds(10), [this] { return m_open; });
    }
    ForwardingFileSystem::VisitFolder(folder, pattern, visit);
  }

 private:
  const std::thread::id m_windowThread = std::this_thread::get_id();
  mutable std::mutex m_mutex;
  mutable std::condition_variable m_opened;
  bool m_open = false;
};

// A main window over the fixture's folder "in" and the given file system, shown, set to
// renumber in place from 1.
std::unique_ptr<morvane::gui::TfrmMain> RenumberingInPlace(const morvane::test::WindowFixture& f,
                                                           morvane::core::FileSystem& fileSystem) {
  auto window =
      std::make_unique<morvane::gui::TfrmMain>(f.home->Files(), fileSystem, morvane::test::Paths{f.At("in")});
  window->show();
  if (!QTest::qWaitForWindowExposed(window.get()))
    QTest::qFail("the main window was not shown", __FILE__, __LINE__);
  if (!window->chkDelFile->isChecked()) window->chkDelFile->click();
  window->cboStartSeqNbr->setEditText(QStringLiteral("1"));
  return window;
}

}  // namespace

class PreviewListTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { morvane::core::SetActiveCodePage(morvane::core::CodePage::Utf8()); }

  void theMenuShowsEveryFileItsNewNameAndOutcome() {
    morvane::test::WindowFixture f;
    f.Make({{"in/a.txt", 1}, {"in/b.txt", 1}, {"out/2.txt", 3}});
    morvane::gui::TfrmMain* window = f.OpenShown({f.At("in")});
    if (window->chkDelFile->isChecked()) window->chkDelFile->click();
    window->cboOutputDir->setEditText(QString::fromStdString(f.At("out")));
    window->cboStartSeqNbr->setEditText(QStringLiteral("1"));

    QVERIFY(window->mnuFunction->actions().contains(window->mnuPreviewList));
    QCOMPARE(window->mnuPreviewList->text(), QStringLiteral("変換プレビュー一覧(&P)..."));
    window->mnuPreviewList->trigger();
    morvane::gui::TfrmPreviewList* list = window->frmPreviewList();
    QVERIFY(list->isVisible());
    QAbstractItemModel* model = list->lstPreview->model();
    QCOMPARE(model->rowCount(), 2);
    struct Row {
      const char* current;
      const char* next;
      QString outcome;
      bool marked;
    } const rows[] = {
        {"a.txt", "1.txt", QStringLiteral("コピー"), false},
        {"b.txt", "2.txt", QStringLiteral("名前が使用中（確認あり）"), true},
    };
    for (int row = 0; row < 2; ++row) {
      const Row& expected = rows[row];
      QCOMPARE(model->index(row, PlanListModel::kCurrentName).data().toString(), QString(expected.current));
      QCOMPARE(model->index(row, PlanListModel::kNewName).data().toString(), QString(expected.next));
      const QModelIndex outcome = model->index(row, PlanListModel::kOutcome);
      QCOMPARE(outcome.data().toString(), expected.outcome);
      // Marked by an icon as well as a colour.
      QCOMPARE(!outcome.data(Qt::DecorationRole).isNull(), expected.marked);
      QCOMPARE(!outcome.data(Qt::ForegroundRole).isNull(), expected.marked);
    }
    QVERIFY2(list->lblCounts->text().contains(QStringLiteral("対象ファイル 2 個")),
             qPrintable(list->lblCounts->text()));
    QVERIFY(list->lblCounts->text().contains(QStringLiteral("変換されないファイル 1 個")));

    // It follows the fields, a moment after the last change.
    morvane::test::GiveFocus(window->cboStartSeqNbr);
    morvane::test::PressKey(Qt::Key_End);
    morvane::test::PressKey(Qt::Key_Backspace);
    morvane::test::TypeKeys(QStringLiteral("5"));
    QTRY_COMPARE(model->index(1, PlanListModel::kNewName).data().toString(), QStringLiteral("6.txt"));
    QVERIFY(list->lblCounts->text().contains(QStringLiteral("変換されないファイル 0 個")));
    // And the target list.
    window->ClearTargetList();
    QTRY_COMPARE(model->rowCount(), 0);

    // Nothing was touched.
    QVERIFY(!std::filesystem::exists(f.At("out/1.txt")));
    QVERIFY(!std::filesystem::exists(f.home->Files().resultFile));
  }

  // The confirmation counts the files under its rows and opens the list over itself.
  void theConfirmationCountsAndOpensTheList() {
    morvane::test::WindowFixture f;
    f.Make({{"in/a.txt", 1}, {"in/b.txt", 1}, {"in/setup.exe", 1}});
    morvane::gui::TfrmMain* window = f.OpenShown({f.At("in")});
    if (!window->chkDelFile->isChecked()) window->chkDelFile->click();
    window->cboStartSeqNbr->setEditText(QStringLiteral("1"));
    QString counts;
    int rows = -1;
    morvane::test::WhenModal<morvane::gui::TfrmConfirmation> confirmation(
        QStringLiteral("the confirmation"), [&](morvane::gui::TfrmConfirmation& dialog) {
          counts = dialog.lblPlanCounts->text();
          {
            morvane::test::WhenModal<morvane::gui::TfrmPreviewList> list(
                QStringLiteral("the plan window"), [&](morvane::gui::TfrmPreviewList& plan) {
                  rows = plan.lstPreview->model()->rowCount();
                  plan.btnClose->click();
                });
            dialog.btnPreviewList->click();
          }
          dialog.btnCancel->click();
        });
    window->btnStartClick();
    QCOMPARE(counts, QStringLiteral("対象ファイル 3 個　変換されないファイル 1 個"));
    QCOMPARE(rows, 3);
    QVERIFY(std::filesystem::exists(f.At("in/a.txt")));
  }

  // A plan that takes its time does not hold the confirmation back: it comes up saying
  // the files are being counted, and shows the counts once the plan is ready, or runs
  // when it is answered before.
  void theConfirmationComesUpBeforeASlowPlan() {
    for (const bool waitForCounts : {true, false}) {
      morvane::test::WindowFixture f;
      f.Make({{"in/a.txt", 1}, {"in/b.txt", 1}, {"in/setup.exe", 1}});
      GatedFileSystem gated(morvane::test::RealFileSystem());
      const std::unique_ptr<morvane::gui::TfrmMain> shown = RenumberingInPlace(f, gated);
      morvane::gui::TfrmMain& window = *shown;
      QString pending;
      QString counts;
      std::thread opener;
      morvane::test::WhenModal<morvane::gui::TfrmConfirmation> confirmation(
          QStringLiteral("the confirmation"), [&](morvane::gui::TfrmConfirmation& dialog) {
            pending = dialog.lblPlanCounts->text();
            if (waitForCounts) {
              gated.Open();
              QTRY_VERIFY(dialog.lblPlanCounts->text() != pending);
              counts = dialog.lblPlanCounts->text();
            } else {
              // Answered first: the plan is given up once its listing goes on.
              opener = std::thread([&] {
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
                gated.Open();
              });
            }
            dialog.btnOk->click();
          });
      window.frmPEndMessage->AnswerNext();
      window.btnStartClick();
      if (opener.joinable()) opener.join();
      QCOMPARE(pending, QStringLiteral("対象ファイルを数えています…"));
      if (waitForCounts) QCOMPARE(counts, QStringLiteral("対象ファイル 3 個　変換されないファイル 1 個"));
      QVERIFY(std::filesystem::exists(f.At("in/1.txt")));
      QVERIFY(std::filesystem::exists(f.At("in/setup.exe")));
    }
  }

  // After a change the plan window's plan is made on its own thread: the window goes on
  // taking keys, and the list follows once the plan is ready.
  void theListFollowsTheFieldsWithoutHoldingThemUp() {
    morvane::test::WindowFixture f;
    f.Make({{"in/a.txt", 1}, {"in/b.txt", 1}});
    GatedFileSystem gated(morvane::test::RealFileSystem());
    const std::unique_ptr<morvane::gui::TfrmMain> shown = RenumberingInPlace(f, gated);
    morvane::gui::TfrmMain& window = *shown;
    window.mnuPreviewList->trigger();
    QAbstractItemModel* model = window.frmPreviewList()->lstPreview->model();
    QCOMPARE(model->index(1, PlanListModel::kNewName).data().toString(), QStringLiteral("2.txt"));

    morvane::test::GiveFocus(window.cboStartSeqNbr);
    morvane::test::PressKey(Qt::Key_End);
    morvane::test::TypeKeys(QStringLiteral("0"));
    // The plan is due and held at its listing; the window takes the next key meanwhile.
    QTest::qWait(500);
    morvane::test::TypeKeys(QStringLiteral("0"));
    QCOMPARE(window.cboStartSeqNbr->currentText(), QStringLiteral("100"));
    QCOMPARE(model->index(1, PlanListModel::kNewName).data().toString(), QStringLiteral("2.txt"));
    gated.Open();
    QTRY_COMPARE(model->index(1, PlanListModel::kNewName).data().toString(), QStringLiteral("101.txt"));
  }

  // Renumbering a folder onto its own names: every conflict is with a file that moves
  // later, so both windows offer the chain-safe run, and the run then renames every file.
  void aRenumberingOntoItsOwnNamesResolvesItsChains() {
    for (const bool fromConfirmation : {false, true}) {
      morvane::test::WindowFixture f;
      f.Make({{"in/1.txt", 1}, {"in/2.txt", 2}, {"in/3.txt", 3}});
      morvane::gui::TfrmMain* window = f.OpenShown({f.At("in")});
      if (!window->chkDelFile->isChecked()) window->chkDelFile->click();
      window->cboStartSeqNbr->setEditText(QStringLiteral("2"));

      if (!fromConfirmation) {
        window->mnuPreviewList->trigger();
        morvane::gui::TfrmPreviewList* list = window->frmPreviewList();
        QAbstractItemModel* model = list->lstPreview->model();
        QCOMPARE(model->rowCount(), 3);
        for (int row = 0; row < 2; ++row) {
          const QModelIndex outcome = model->index(row, PlanListModel::kOutcome);
          QCOMPARE(outcome.data().toString(), QStringLiteral("実行内で名前が重複（確認あり）"));
          QVERIFY(!outcome.data(Qt::DecorationRole).isNull());
        }
        QVERIFY(list->chkResolveChains->isVisible());
        list->chkResolveChains->click();
        for (int row = 0; row < 3; ++row)
          QCOMPARE(model->index(row, PlanListModel::kOutcome).data().toString(), QStringLiteral("リネーム"));
        QVERIFY(list->lblCounts->text().contains(QStringLiteral("変換されないファイル 0 個")));
        list->btnClose->click();
      }

      QString countsBefore;
      QString countsAfter;
      bool shownChecked = false;
      morvane::test::WhenModal<morvane::gui::TfrmConfirmation> confirmation(
          QStringLiteral("the confirmation"), [&](morvane::gui::TfrmConfirmation& dialog) {
            countsBefore = dialog.lblPlanCounts->text();
            shownChecked = dialog.chkResolveChains->isVisible() && dialog.chkResolveChains->isChecked();
            if (!dialog.chkResolveChains->isChecked()) dialog.chkResolveChains->click();
            countsAfter = dialog.lblPlanCounts->text();
            dialog.btnOk->click();
          });
      window->frmPEndMessage->AnswerNext();
      window->btnStartClick();
      if (fromConfirmation) {
        QCOMPARE(countsBefore, QStringLiteral("対象ファイル 3 個　変換されないファイル 2 個"));
        QVERIFY(!shownChecked);
      } else {
        QVERIFY(shownChecked);
      }
      QCOMPARE(countsAfter, QStringLiteral("対象ファイル 3 個　変換されないファイル 0 個"));
      // Each file under the next number, with its own content.
      QVERIFY(!std::filesystem::exists(f.At("in/1.txt")));
      for (int number = 1; number <= 3; ++number)
        QCOMPARE(std::filesystem::file_size(f.At("in/" + std::to_string(number + 1) + ".txt")),
                 static_cast<std::uintmax_t>(number));
      // The next run is chosen afresh.
      QVERIFY(!window->ResolvesChains());
    }
  }

  // Where the start checks refuse, the window says why instead of listing.
  void aRefusalIsShownInsteadOfRows() {
    morvane::test::WindowFixture f;
    f.Make({{"in/a.txt", 1}});
    morvane::gui::TfrmMain* window = f.OpenShown({f.At("in/a.txt")});
    if (!window->chkDelFile->isChecked()) window->chkDelFile->click();
    window->cboStartSeqNbr->setEditText(QString());
    window->mnuPreviewList->trigger();
    QCOMPARE(window->frmPreviewList()->lstPreview->model()->rowCount(), 0);
    QCOMPARE(window->frmPreviewList()->lblCounts->text(), QStringLiteral("開始番号が指定されていません。"));
  }
};

MORVANE_WINDOW_TEST(PreviewListTest)
#include "untPreviewList_test.moc"
