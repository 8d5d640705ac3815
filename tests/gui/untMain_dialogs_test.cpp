// The main window's menus for the settings dialog, the version dialog and the help,
// on the real window.
#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include "gui/help_window.h"
#include "gui/untSetting.h"
#include "gui/untVerInfo.h"
#include "window_fixture.h"

using morvane::test::SettingValue;
using morvane::test::WindowHome;

namespace {

// Runs act on the modal dialog of type Dialog once it is up.
template <class Dialog, class Act>
void WhenModal(Act act) {
  QTimer::singleShot(0, [act] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return WhenModal<Dialog>(act);
    act(*dialog);
  });
}

}  // namespace

class MainDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { morvane::core::SetActiveCodePage(morvane::core::CodePage::Utf8()); }

  // A save reaches the open window at once: the defaults switched on and the log option
  // that the next run reads.
  void savingTheSettingsChangesTheOpenWindow() {
    WindowHome home;
    home.WriteSettings("[Setting]\nKyotsuName=img_\nOutputLog=0\n");
    auto window = home.Open();
    window->cboKyotsuName->setEditText(QStringLiteral("typed"));
    QVERIFY(!window->LogOptions().outputLog);
    WhenModal<morvane::gui::TfrmSetting>([](morvane::gui::TfrmSetting& dialog) {
      dialog.chkKyotsuName->click();
      dialog.chkLogOutput->click();
      dialog.btnOk->click();
    });
    window->mnuSetting->trigger();
    QCOMPARE(window->cboKyotsuName->currentText(), QStringLiteral("img_"));
    QVERIFY(window->LogOptions().outputLog);
    QCOMPARE(SettingValue(home, "Setting", "OutputLog"), QByteArray("1"));

    // Opening and saving again leaves the window's text alone.
    window->cboKyotsuName->setEditText(QStringLiteral("typed"));
    WhenModal<morvane::gui::TfrmSetting>([](morvane::gui::TfrmSetting& dialog) { dialog.btnOk->click(); });
    window->mnuSetting->trigger();
    QCOMPARE(window->cboKyotsuName->currentText(), QStringLiteral("typed"));
  }

  void theVersionDialogOpensAndClosesOnEnter() {
    WindowHome home;
    auto window = home.Open();
    QString caption;
    WhenModal<morvane::gui::TfrmVersionInfo>([&caption](morvane::gui::TfrmVersionInfo& dialog) {
      caption = dialog.windowTitle();
      morvane::test::ActivateWindowOf(&dialog);
      morvane::test::PressKey(Qt::Key_Return);
    });
    window->mnuVersion->trigger();
    QCOMPARE(caption, QStringLiteral("バージョン情報"));
  }

  void theHelpOpensAtItsSearchAndClosesWithTheWindow() {
    WindowHome home;
    auto window = home.Open();
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

QTEST_MAIN(MainDialogsTest)
#include "untMain_dialogs_test.moc"
