// The main window's menus for the settings dialog, the version dialog and the help,
// on the real window.
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "gui/help_window.h"
#include "gui/untSetting.h"
#include "gui/untVerInfo.h"
#include "when_modal.h"
#include "window_fixture.h"
#include "window_test_main.h"

using morvane::gui::TfrmSetting;
using morvane::gui::TfrmVersionInfo;
using morvane::test::SettingValue;
using morvane::test::WhenModal;
using morvane::test::WindowFixture;

class MainDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { morvane::core::SetActiveCodePage(morvane::core::CodePage::Utf8()); }

  // A save reaches the open window at once: the defaults switched on and the log option
  // that the next run reads.
  void savingTheSettingsChangesTheOpenWindow() {
    WindowFixture f;
    f.home->WriteSettings("[Setting]\nKyotsuName=img_\nOutputLog=0\n");
    auto* window = f.Open();
    window->cboKyotsuName->setEditText(QStringLiteral("typed"));
    QVERIFY(!window->LogOptions().outputLog);
    {
      const WhenModal<TfrmSetting> answer(QStringLiteral("the settings dialog"), [](TfrmSetting& dialog) {
        dialog.chkKyotsuName->click();
        dialog.chkLogOutput->click();
        dialog.btnOk->click();
      });
      window->mnuSetting->trigger();
    }
    QCOMPARE(window->cboKyotsuName->currentText(), QStringLiteral("img_"));
    QVERIFY(window->LogOptions().outputLog);
    QCOMPARE(SettingValue(*f.home, "Setting", "OutputLog"), QByteArray("1"));

    // Opening and saving again leaves the window's text alone.
    window->cboKyotsuName->setEditText(QStringLiteral("typed"));
    {
      const WhenModal<TfrmSetting> answer(QStringLiteral("the settings dialog, again"),
                                          [](TfrmSetting& dialog) { dialog.btnOk->click(); });
      window->mnuSetting->trigger();
    }
    QCOMPARE(window->cboKyotsuName->currentText(), QStringLiteral("typed"));
  }

  void theVersionDialogOpensAndClosesOnEnter() {
    WindowFixture f;
    auto* window = f.Open();
    QString caption;
    {
      const WhenModal<TfrmVersionInfo> answer(QStringLiteral("the version dialog"),
                                              [&caption](TfrmVersionInfo& dialog) {
                                                caption = dialog.windowTitle();
                                                morvane::test::ActivateWindowOf(&dialog);
                                                morvane::test::PressKey(Qt::Key_Return);
                                              });
      window->mnuVersion->trigger();
    }
    QCOMPARE(caption, QStringLiteral("バージョン情報"));
  }

  void theHelpOpensAtItsSearchAndClosesWithTheWindow() {
    WindowFixture f;
    auto* window = f.Open();
    window->show();
    window->mnuHelpContents->trigger();
    morvane::gui::HelpWindow& help = window->Help();
    QVERIFY(help.isVisible());
    QTRY_VERIFY(help.findChild<QLineEdit*>(QStringLiteral("edtHelpSearch"))->hasFocus());
    // From the overwrite alert, which blocks the other windows, the help opens above it.
    window->ShowOverwriteAlertHelp();
    QCOMPARE(help.windowModality(), Qt::ApplicationModal);
    QCOMPARE(help.CurrentTopicTitle().isEmpty(), false);
    window->mnuHelpContents->trigger();
    QCOMPARE(help.windowModality(), Qt::NonModal);
    window->close();
    QVERIFY(!help.isVisible());
  }
};

MORVANE_WINDOW_TEST(MainDialogsTest)
#include "untMain_dialogs_test.moc"
