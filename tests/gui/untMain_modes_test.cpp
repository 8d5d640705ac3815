// The five modes: selecting them, their layouts, and the output folder rule.
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include "gui/untMain.h"
#include "window_fixture.h"
#include "window_test_main.h"

using morvane::core::OperatingMode;
using morvane::gui::TfrmMain;
using morvane::test::WindowFixture;

namespace {

const OperatingMode kCycle[] = {OperatingMode::SequentialRename, OperatingMode::ExtensionChange,
                                OperatingMode::CaseConversion,   OperatingMode::StringReplacement,
                                OperatingMode::StringAddition,   OperatingMode::CharacterConversion};

void ClickStatusBar(TfrmMain& window, int x, Qt::MouseButton button = Qt::LeftButton) {
  QTest::mouseClick(window.stbMain, button, Qt::NoModifier, QPoint(x, 5));
}

}  // namespace

class ModesTest : public QObject, WindowFixture {
  Q_OBJECT

 public:
  ModesTest() : WindowFixture(kEachTestFunction) {}

 private slots:
  void init() {
    Begin();
    OpenShown();
  }
  void cleanup() { End(); }

  void secondClickOnACheckedItemReturnsToRenaming() {
    window->mnuULCase->trigger();
    QCOMPARE(window->Mode(), OperatingMode::CaseConversion);
    window->mnuULCase->trigger();
    QCOMPARE(window->Mode(), OperatingMode::SequentialRename);
    QVERIFY(window->mnuRename->isChecked());
    QVERIFY(!window->mnuULCase->isChecked());
    window->mnuRename->trigger();
    QCOMPARE(window->Mode(), OperatingMode::SequentialRename);
    QVERIFY(window->mnuRename->isChecked());
    QVERIFY(window->pmnRename->isChecked());
  }

  void popupItemsSelectTheSameModes() {
    window->pmnAddStr->trigger();
    QCOMPARE(window->Mode(), OperatingMode::StringAddition);
    QVERIFY(window->mnuAddStr->isChecked());
    QVERIFY(window->pmnAddStr->isChecked());
    QVERIFY(!window->pmnRename->isChecked());
    window->pmnAddStr->trigger();
    QCOMPARE(window->Mode(), OperatingMode::SequentialRename);
  }

  void leftClicksOnTheFirstPanelCycleThroughEveryMode() {
    const QString texts[] = {
        QStringLiteral("拡張子一括変換機能"), QStringLiteral("大文字・小文字一括変換機能"),
        QStringLiteral("特定文字列変換機能"), QStringLiteral("文字列追加機能"),
        QStringLiteral("文字種変換機能"),     QStringLiteral("リネーム機能")};
    for (int click = 0; click < 6; ++click) {
      ClickStatusBar(*window, 20);
      QCOMPARE(window->Mode(), kCycle[(click + 1) % 6]);
      QCOMPARE(window->stbPanel0->text(), texts[click]);
    }
    // Clicks beside the first panel, and other buttons, change nothing.
    ClickStatusBar(*window, window->stbPanel0->width() + 10);
    ClickStatusBar(*window, 20, Qt::MiddleButton);
    QCOMPARE(window->Mode(), OperatingMode::SequentialRename);
  }

  void eachModeShowsItsOwnControls() {
    struct Row {
      const char* name;
      const char* shownIn;  // one letter per mode: R X U S A
    } const rows[] = {
        {"cboKyotsuName", "R"}, {"cboStartSeqNbr", "R"}, {"cboKyotsuName2", "R"}, {"edtZoubun", "R"},
        {"updZoubun", "R"},     {"cboSortType", "R"},    {"chkSortDse", "R"},     {"lblPeriod", "RSA"},
        {"chkChgExt", "RSA"},   {"lblChgExt", "X"},      {"cboChgExt", "RXSA"},   {"cboRenameUL", "RXUSA"},
        {"cboExtUL", "RXUSA"},  {"btnULCaseSet", "XU"},  {"lblULCaseSet", "XU"},  {"cboChgStr", "S"},
        {"lblChgStrYa", "S"},   {"cboChgStr2", "S"},     {"chkChgStr", "S"},      {"cboAddStr", "A"},
        {"lblAddStrFile", "A"}, {"cboAddStr2", "A"},     {"lblAddStr3", "A"},     {"lblPreView", "RSA"},
    };
    const char letters[] = "RXUSA";
    for (int m = 0; m < 5; ++m) {
      window->SelectMode(kCycle[m]);
      for (const Row& row : rows) {
        const bool shown = std::strchr(row.shownIn, letters[m]) != nullptr;
        QVERIFY2(window->findChild<QWidget*>(row.name)->isVisible() == shown,
                 qPrintable(QStringLiteral("%1 in mode %2").arg(row.name).arg(letters[m])));
      }
      const QString caseCaption =
          (m == 1 || m == 2) ? QStringLiteral("ファイル名の大小") : QStringLiteral("共通部分の大小");
      QCOMPARE(window->lblRenameUL->text(), caseCaption);
      QCOMPARE(window->cboChoiceFile->width(), m == 0 ? 265 : 375);
    }
  }

  void caseControlsMoveWithTheMode() {
    struct Places {
      OperatingMode mode;
      int renameLabel, renameCombo, comboWidth, extensionLabel, extensionCombo, syncButton, newExtension;
    } const places[] = {
        {OperatingMode::ExtensionChange, 79, 79, 96, 274, 265, 182, 11},
        {OperatingMode::CaseConversion, 11, 11, 96, 226, 216, 124, -1},
        {OperatingMode::StringReplacement, 396, 396, 83, 490, 486, -1, 328},
        {OperatingMode::SequentialRename, 396, 396, 83, 490, 486, -1, 328},
    };
    for (const Places& p : places) {
      window->SelectMode(p.mode);
      QCOMPARE(window->lblRenameUL->x(), p.renameLabel);
      QCOMPARE(window->cboRenameUL->x(), p.renameCombo);
      QCOMPARE(window->cboRenameUL->width(), p.comboWidth);
      QCOMPARE(window->lblExtUL->x(), p.extensionLabel);
      QCOMPARE(window->cboExtUL->x(), p.extensionCombo);
      QCOMPARE(window->cboExtUL->width(), p.comboWidth);
      if (p.syncButton >= 0) QCOMPARE(window->btnULCaseSet->x(), p.syncButton);
      if (p.newExtension >= 0) QCOMPARE(window->cboChgExt->x(), p.newExtension);
    }
    window->SelectMode(OperatingMode::ExtensionChange);
    QCOMPARE(window->lblChgExt->x(), 20);
  }

  // No two shown controls of a mode overlap, and all lie inside the client area.
  void layoutsHaveNoOverlaps() {
    for (OperatingMode mode : kCycle) {
      if (mode != window->Mode()) window->SelectMode(mode);
      QList<QWidget*> shown;
      for (QWidget* child :
           window->centralWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isVisible()) shown << child;
      }
      for (QWidget* a : shown) {
        QVERIFY2(window->centralWidget()->rect().contains(a->geometry()), qPrintable(a->objectName()));
        for (QWidget* b : shown) {
          if (a != b && a->geometry().intersects(b->geometry())) {
            QFAIL(qPrintable(QStringLiteral("%1 overlaps %2").arg(a->objectName(), b->objectName())));
          }
        }
      }
    }
  }

  void newExtensionFieldEnabling() {
    QVERIFY(!window->cboChgExt->isEnabled());
    window->SelectMode(OperatingMode::ExtensionChange);
    QVERIFY(window->cboChgExt->isEnabled());
    window->SelectMode(OperatingMode::StringReplacement);
    QVERIFY(!window->cboChgExt->isEnabled());
    window->chkChgExt->click();
    QVERIFY(window->cboChgExt->isEnabled());
  }

  void outputFolderFollowsRenameInPlaceAndTheMode() {
    window->chkDelFile->click();
    for (OperatingMode mode : kCycle) {
      if (mode != window->Mode()) window->SelectMode(mode);
      QVERIFY(!window->cboOutputDir->isEnabled());
      QVERIFY(!window->bitOutputDir->isEnabled());
      QVERIFY(!window->lblOutputDir->isEnabled());
    }
    window->SelectMode(OperatingMode::SequentialRename);
    window->chkDelFile->click();
    for (OperatingMode mode : kCycle) {
      if (mode != window->Mode()) window->SelectMode(mode);
      const bool copies = mode != OperatingMode::CaseConversion;
      QCOMPARE(window->cboOutputDir->isEnabled(), copies);
      QCOMPARE(window->bitOutputDir->isEnabled(), copies);
      QCOMPARE(window->chkDelFile->isEnabled(), copies);
    }
  }

  void previewHistoryMenusFollowTheMode() {
    struct Case {
      OperatingMode mode;
      bool renameShown, renameEnabled, replacementShown, additionShown;
    } const cases[] = {
        {OperatingMode::SequentialRename, true, true, false, false},
        {OperatingMode::ExtensionChange, true, false, false, false},
        {OperatingMode::CaseConversion, true, false, false, false},
        {OperatingMode::StringReplacement, false, false, true, false},
        {OperatingMode::StringAddition, false, false, false, true},
    };
    for (const Case& c : cases) {
      if (c.mode != window->Mode()) window->SelectMode(c.mode);
      QCOMPARE(window->mnuPreViewList->menuAction()->isVisible(), c.renameShown);
      if (c.renameShown) QCOMPARE(window->mnuPreViewList->menuAction()->isEnabled(), c.renameEnabled);
      QCOMPARE(window->mnuChgStrPVList->menuAction()->isVisible(), c.replacementShown);
      QCOMPARE(window->mnuAddStrPVList->menuAction()->isVisible(), c.additionShown);
    }
  }

  void rightClicksOpenTheModeMenuAndTheModesPreviewHistory() {
    const auto openedBy = [](QWidget* widget) {
      QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), widget->mapToGlobal(QPoint(5, 5)));
      QApplication::sendEvent(widget, &event);
      QMenu* shown = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (shown) shown->close();
      return shown;
    };
    QCOMPARE(openedBy(window->stbMain), window->pmnFunction);
    const std::pair<OperatingMode, QMenu*> previews[] = {
        {OperatingMode::StringReplacement, window->pmnChgStrPVList},
        {OperatingMode::StringAddition, window->pmnAddStrPVList},
        {OperatingMode::SequentialRename, window->pmnPreViewList},
    };
    for (const auto& [mode, menu] : previews) {
      window->SelectMode(mode);
      QCOMPARE(openedBy(window->lblPreView), menu);
    }
  }

  void userOrderArrangementOnlyInTheRenameMode() {
    window->cboSortType->setCurrentIndex(4);
    window->cboSortTypeChange();
    QCOMPARE(window->lstChoiceFile->selectionMode(), QAbstractItemView::SingleSelection);
    QVERIFY(!window->bitChoiceFolder->isEnabled());
    window->SelectMode(OperatingMode::StringAddition);
    QCOMPARE(window->lstChoiceFile->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(window->lstChoiceFile->dragDropMode(), QAbstractItemView::NoDragDrop);
    QVERIFY(window->bitChoiceFolder->isEnabled());
    window->SelectMode(OperatingMode::SequentialRename);
    QVERIFY(!window->bitChoiceFolder->isEnabled());
  }

  void theModeSurvivesARestart() {
    for (OperatingMode mode : kCycle) {
      if (mode != window->Mode()) window->SelectMode(mode);
      QVERIFY(window->close());
      Open();
      QCOMPARE(window->Mode(), mode);
      QCOMPARE(window->cboOutputDir->isEnabled(), mode != OperatingMode::CaseConversion);
    }
  }
};

MORVANE_WINDOW_TEST(ModesTest)
#include "untMain_modes_test.moc"
