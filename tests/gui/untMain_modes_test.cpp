// The five modes: selecting them, their layouts, and the output folder rule.
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

#include "gui/untMain.h"
#include "window_fixture.h"

using morvane::core::OperatingMode;
using morvane::gui::TfrmMain;
using morvane::test::WindowHome;

namespace {

const OperatingMode kCycle[] = {OperatingMode::Rename, OperatingMode::ChgExt, OperatingMode::ULCase,
                                OperatingMode::ChangeStr, OperatingMode::AddStr};

void ClickStatusBar(TfrmMain& window, int x, Qt::MouseButton button = Qt::LeftButton) {
  QTest::mouseClick(window.stbMain, button, Qt::NoModifier, QPoint(x, 5));
}

}  // namespace

class ModesTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    m_home = std::make_unique<WindowHome>();
    m_window = m_home->Open();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
  }
  void cleanup() {
    m_window.reset();
    m_home.reset();
  }

  void secondClickOnACheckedItemReturnsToRenaming() {
    m_window->mnuULCase->trigger();
    QCOMPARE(m_window->Mode(), OperatingMode::ULCase);
    m_window->mnuULCase->trigger();
    QCOMPARE(m_window->Mode(), OperatingMode::Rename);
    QVERIFY(m_window->mnuRename->isChecked());
    QVERIFY(!m_window->mnuULCase->isChecked());
    m_window->mnuRename->trigger();
    QCOMPARE(m_window->Mode(), OperatingMode::Rename);
    QVERIFY(m_window->mnuRename->isChecked());
    QVERIFY(m_window->pmnRename->isChecked());
  }

  void popupItemsSelectTheSameModes() {
    m_window->pmnAddStr->trigger();
    QCOMPARE(m_window->Mode(), OperatingMode::AddStr);
    QVERIFY(m_window->mnuAddStr->isChecked());
    QVERIFY(m_window->pmnAddStr->isChecked());
    QVERIFY(!m_window->pmnRename->isChecked());
    m_window->pmnAddStr->trigger();
    QCOMPARE(m_window->Mode(), OperatingMode::Rename);
  }

  void leftClicksOnTheFirstPanelCycleThroughEveryMode() {
    const QString texts[] = {QStringLiteral("拡張子一括変換機能"),
                             QStringLiteral("大文字・小文字一括変換機能"),
                             QStringLiteral("特定文字列変換機能"), QStringLiteral("文字列追加機能"),
                             QStringLiteral("リネーム機能")};
    for (int click = 0; click < 5; ++click) {
      ClickStatusBar(*m_window, 20);
      QCOMPARE(m_window->Mode(), kCycle[(click + 1) % 5]);
      QCOMPARE(m_window->stbPanel0->text(), texts[click]);
    }
    // Clicks beside the first panel, and other buttons, change nothing.
    ClickStatusBar(*m_window, m_window->stbPanel0->width() + 10);
    ClickStatusBar(*m_window, 20, Qt::MiddleButton);
    QCOMPARE(m_window->Mode(), OperatingMode::Rename);
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
      m_window->SelectMode(kCycle[m]);
      for (const Row& row : rows) {
        const bool shown = std::strchr(row.shownIn, letters[m]) != nullptr;
        QVERIFY2(m_window->findChild<QWidget*>(row.name)->isVisible() == shown,
                 qPrintable(QStringLiteral("%1 in mode %2").arg(row.name).arg(letters[m])));
      }
      const QString caseCaption =
          (m == 1 || m == 2) ? QStringLiteral("ファイル名の大小") : QStringLiteral("共通部分の大小");
      QCOMPARE(m_window->lblRenameUL->text(), caseCaption);
      QCOMPARE(m_window->cboChoiceFile->width(), m == 0 ? 265 : 375);
    }
  }

  void caseControlsMoveWithTheMode() {
    struct Places {
      OperatingMode mode;
      int renameLabel, renameCombo, comboWidth, extensionLabel, extensionCombo, syncButton, newExtension;
    } const places[] = {
        {OperatingMode::ChgExt, 79, 79, 96, 274, 265, 182, 11},
        {OperatingMode::ULCase, 11, 11, 96, 226, 216, 124, -1},
        {OperatingMode::ChangeStr, 396, 396, 83, 490, 486, -1, 328},
        {OperatingMode::Rename, 396, 396, 83, 490, 486, -1, 328},
    };
    for (const Places& p : places) {
      m_window->SelectMode(p.mode);
      QCOMPARE(m_window->lblRenameUL->x(), p.renameLabel);
      QCOMPARE(m_window->cboRenameUL->x(), p.renameCombo);
      QCOMPARE(m_window->cboRenameUL->width(), p.comboWidth);
      QCOMPARE(m_window->lblExtUL->x(), p.extensionLabel);
      QCOMPARE(m_window->cboExtUL->x(), p.extensionCombo);
      QCOMPARE(m_window->cboExtUL->width(), p.comboWidth);
      if (p.syncButton >= 0) QCOMPARE(m_window->btnULCaseSet->x(), p.syncButton);
      if (p.newExtension >= 0) QCOMPARE(m_window->cboChgExt->x(), p.newExtension);
    }
    m_window->SelectMode(OperatingMode::ChgExt);
    QCOMPARE(m_window->lblChgExt->x(), 20);
  }

  // No two shown controls of a mode overlap, and all lie inside the client area.
  void layoutsHaveNoOverlaps() {
    for (OperatingMode mode : kCycle) {
      if (mode != m_window->Mode()) m_window->SelectMode(mode);
      QList<QWidget*> shown;
      for (QWidget* child :
           m_window->centralWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isVisible()) shown << child;
      }
      for (QWidget* a : shown) {
        QVERIFY2(m_window->centralWidget()->rect().contains(a->geometry()), qPrintable(a->objectName()));
        for (QWidget* b : shown) {
          if (a != b && a->geometry().intersects(b->geometry())) {
            QFAIL(qPrintable(QStringLiteral("%1 overlaps %2").arg(a->objectName(), b->objectName())));
          }
        }
      }
    }
  }

  void newExtensionFieldEnabling() {
    QVERIFY(!m_window->cboChgExt->isEnabled());
    m_window->SelectMode(OperatingMode::ChgExt);
    QVERIFY(m_window->cboChgExt->isEnabled());
    m_window->SelectMode(OperatingMode::ChangeStr);
    QVERIFY(!m_window->cboChgExt->isEnabled());
    m_window->chkChgExt->click();
    QVERIFY(m_window->cboChgExt->isEnabled());
  }

  void outputFolderFollowsRenameInPlaceAndTheMode() {
    m_window->chkDelFile->click();
    for (OperatingMode mode : kCycle) {
      if (mode != m_window->Mode()) m_window->SelectMode(mode);
      QVERIFY(!m_window->cboOutputDir->isEnabled());
      QVERIFY(!m_window->bitOutputDir->isEnabled());
      QVERIFY(!m_window->lblOutputDir->isEnabled());
    }
    m_window->SelectMode(OperatingMode::Rename);
    m_window->chkDelFile->click();
    for (OperatingMode mode : kCycle) {
      if (mode != m_window->Mode()) m_window->SelectMode(mode);
      const bool copies = mode != OperatingMode::ULCase;
      QCOMPARE(m_window->cboOutputDir->isEnabled(), copies);
      QCOMPARE(m_window->bitOutputDir->isEnabled(), copies);
      QCOMPARE(m_window->chkDelFile->isEnabled(), copies);
    }
  }

  void previewHistoryMenusFollowTheMode() {
    struct Case {
      OperatingMode mode;
      bool renameShown, renameEnabled, replacementShown, additionShown;
    } const cases[] = {
        {OperatingMode::Rename, true, true, false, false},
        {OperatingMode::ChgExt, true, false, false, false},
        {OperatingMode::ULCase, true, false, false, false},
        {OperatingMode::ChangeStr, false, false, true, false},
        {OperatingMode::AddStr, false, false, false, true},
    };
    for (const Case& c : cases) {
      if (c.mode != m_window->Mode()) m_window->SelectMode(c.mode);
      QCOMPARE(m_window->mnuPreViewList->menuAction()->isVisible(), c.renameShown);
      if (c.renameShown) QCOMPARE(m_window->mnuPreViewList->menuAction()->isEnabled(), c.renameEnabled);
      QCOMPARE(m_window->mnuChgStrPVList->menuAction()->isVisible(), c.replacementShown);
      QCOMPARE(m_window->mnuAddStrPVList->menuAction()->isVisible(), c.additionShown);
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
    QCOMPARE(openedBy(m_window->stbMain), m_window->pmnFunction);
    const std::pair<OperatingMode, QMenu*> previews[] = {
        {OperatingMode::ChangeStr, m_window->pmnChgStrPVList},
        {OperatingMode::AddStr, m_window->pmnAddStrPVList},
        {OperatingMode::Rename, m_window->pmnPreViewList},
    };
    for (const auto& [mode, menu] : previews) {
      m_window->SelectMode(mode);
      QCOMPARE(openedBy(m_window->lblPreView), menu);
    }
  }

  void userOrderArrangementOnlyInTheRenameMode() {
    m_window->cboSortType->setCurrentIndex(4);
    m_window->cboSortTypeChange();
    QCOMPARE(m_window->lstChoiceFile->selectionMode(), QAbstractItemView::SingleSelection);
    QVERIFY(!m_window->bitChoiceFolder->isEnabled());
    m_window->SelectMode(OperatingMode::AddStr);
    QCOMPARE(m_window->lstChoiceFile->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(m_window->lstChoiceFile->dragDropMode(), QAbstractItemView::NoDragDrop);
    QVERIFY(m_window->bitChoiceFolder->isEnabled());
    m_window->SelectMode(OperatingMode::Rename);
    QVERIFY(!m_window->bitChoiceFolder->isEnabled());
  }

  void theModeSurvivesARestart() {
    for (OperatingMode mode : kCycle) {
      if (mode != m_window->Mode()) m_window->SelectMode(mode);
      QVERIFY(m_window->close());
      m_window = m_home->Open();
      QCOMPARE(m_window->Mode(), mode);
      QCOMPARE(m_window->cboOutputDir->isEnabled(), mode != OperatingMode::ULCase);
    }
  }

 private:
  std::unique_ptr<WindowHome> m_home;
  std::unique_ptr<TfrmMain> m_window;
};

QTEST_MAIN(ModesTest)
#include "untMain_modes_test.moc"
