// The settings dialog on a real settings file: what an opening loads, what a save
// writes and pushes into the main window, and what Cancel throws away.
#include "gui/untSetting.h"

#include <QTest>
#include <vector>

#include "core/names/protected_extensions.h"
#include "core/settings/protected_extension_settings.h"
#include "window_fixture.h"
#include "window_test_main.h"

using morvane::core::DefaultField;
using morvane::gui::TfrmSetting;
using morvane::test::SettingValue;
using morvane::test::Type;
using morvane::test::WindowHome;

namespace {

// Records what a save asks of the main window.
class RecordingHost : public morvane::gui::SettingsDialogHost {
 public:
  void ApplyDefaultText(DefaultField field, const std::string& text) override {
    applied.emplace_back(field, text);
  }
  void RefreshPreview() override { calls << QStringLiteral("preview"); }
  void ReloadLogSettings() override { calls << QStringLiteral("log"); }
  void ApplyOutputFolderRule() override { calls << QStringLiteral("output"); }

  std::vector<std::pair<DefaultField, std::string>> applied;
  QStringList calls;
};

}  // namespace

class SettingDialogTest : public QObject {
  Q_OBJECT

  struct Fixture {
    WindowHome home;
    morvane::core::SettingsStore store{home.Files().settingsFile, morvane::core::CodePage::Utf8(),
                                       morvane::test::RealFileSystem()};
    RecordingHost host;
    TfrmSetting dialog{store, morvane::test::RealFileSystem(), host};

    void Open() { dialog.show(); }
    void Save() { dialog.btnOk->click(); }
  };

 private slots:
  void initTestCase() { morvane::core::SetActiveCodePage(morvane::core::CodePage::Utf8()); }

  void savingAtOnceLeavesTheMainWindowAlone() {
    Fixture f;
    f.home.WriteSettings("[Setting]\nKyotsuName=img_\nKyotsuNameChk=1\nOutputLog=1\nGuaudExtEXE=0\n");
    f.Open();
    QCOMPARE(f.dialog.edtKyotsuName->text(), QStringLiteral("img_"));
    QVERIFY(f.dialog.chkKyotsuName->isChecked());
    QVERIFY(f.dialog.chkLogOutput->isChecked());
    QVERIFY(!f.dialog.chkGuardExtEXE->isChecked());
    QVERIFY(f.dialog.chkGuardExtBAT->isChecked());
    f.Save();
    QVERIFY(f.host.applied.empty());
    QCOMPARE(f.host.calls, (QStringList{"preview", "log", "output"}));
    QVERIFY(!f.dialog.isVisible());
  }

  void switchingADefaultOnOrChangingItPushesItInOrder() {
    Fixture f;
    f.home.WriteSettings("[Setting]\nKyotsuName=img_\nChgExt=jpg\nChgExtChk=1\n");
    f.Open();
    f.dialog.chkKyotsuName->click();
    f.dialog.edtChgExt->clear();
    Type(f.dialog.edtChgExt, QStringLiteral("png"));
    Type(f.dialog.edtStartSeqNbr, QStringLiteral("5"));  // not in force: not pushed
    f.Save();
    const std::vector<std::pair<DefaultField, std::string>> expected = {{DefaultField::FrontPart, "img_"},
                                                                        {DefaultField::Extension, "png"}};
    QVERIFY(f.host.applied == expected);
    QCOMPARE(SettingValue(f.home, "Setting", "StartSeqNbr"), QByteArray("5"));
    QCOMPARE(SettingValue(f.home, "Setting", "KyotsuNameChk"), QByteArray("1"));
  }

  void userListsKeepOneSpellingAndTheTenLatest() {
    Fixture f;
    f.Open();
    for (const char* list : {"tmp, bak", "TMP, BAK"}) {
      f.dialog.cboGDExtUser->setEditText(QString::fromUtf8(list));
      f.Save();
      f.Open();
    }
    QCOMPARE(morvane::test::Items(f.dialog.cboGDExtUser), (QStringList{"ユーザ指定なし", "TMP, BAK"}));
    QCOMPARE(SettingValue(f.home, "Setting", "GuaudExtUser2"), QByteArray());

    // Typed on the keyboard and saved with Enter: the text as typed, never completed
    // from the history, and no item added by the field itself.
    morvane::test::GiveFocus(f.dialog.cboGDExtUser);
    morvane::test::PressKey(Qt::Key_A, Qt::ControlModifier);
    morvane::test::TypeKeys(QStringLiteral("TM"));
    morvane::test::PressKey(Qt::Key_Return);
    QVERIFY(!f.dialog.isVisible());
    QCOMPARE(SettingValue(f.home, "Setting", "GuaudExtUser"), QByteArray("TM"));
    f.Open();
    QCOMPARE(morvane::test::Items(f.dialog.cboGDExtUser), (QStringList{"ユーザ指定なし", "TM", "TMP, BAK"}));

    for (int i = 1; i <= 10; ++i) {
      f.dialog.cboGDExtUser->setEditText(QStringLiteral("x%1").arg(i));
      f.Save();
      f.Open();
    }
    QCOMPARE(f.dialog.cboGDExtUser->count(), 11);
    QCOMPARE(SettingValue(f.home, "Setting", "GuaudExtUser1"), QByteArray("x10"));
    QCOMPARE(SettingValue(f.home, "Setting", "GuaudExtUser10"), QByteArray("x1"));
    QCOMPARE(SettingValue(f.home, "Setting", "GuaudExtUser11"), QByteArray());
  }

  void theNoListItemProtectsNothingAndShowsEmpty() {
    Fixture f;
    f.Open();
    f.dialog.cboGDExtUser->setCurrentIndex(0);  // "ユーザ指定なし"
    f.dialog.chkGuardExtEXE->click();
    f.Save();
    QCOMPARE(SettingValue(f.home, "Setting", "GuaudExtUser"), QByteArray("ユーザ指定なし"));
    // The next run reads what was saved, without a restart.
    const std::vector<std::string> words = morvane::core::LoadProtectedExtensions(f.store).Words();
    QVERIFY(words == (std::vector<std::string>{"BAT", "COM", "DLL", "REG", "SYS", "INI", "DAT"}));
    f.Open();
    QCOMPARE(f.dialog.cboGDExtUser->currentText(), QString());
  }

  void cancelThrowsEditsAway() {
    Fixture f;
    f.home.WriteSettings("[Setting]\nTextViewer=mousepad\n");
    f.Open();
    f.dialog.edtTextViewer->setText(QStringLiteral("gedit"));
    f.dialog.chkResultText->click();
    f.dialog.btnClose->click();
    QVERIFY(!f.dialog.isVisible());
    QCOMPARE(SettingValue(f.home, "Setting", "TextViewer"), QByteArray("mousepad"));
    f.Open();
    QCOMPARE(f.dialog.edtTextViewer->text(), QStringLiteral("mousepad"));
    QVERIFY(!f.dialog.chkResultText->isChecked());
    QVERIFY(f.host.calls.isEmpty());
  }

  void theButtonsFillTheirFieldsUnlessCancelled() {
    Fixture f;
    f.Open();
    std::string answer = "/srv/out";
    f.dialog.SetFolderChooser([&] { return answer; });
    f.dialog.SetProgramChooser([&] { return answer; });
    f.dialog.bitOutputDir->click();
    QCOMPARE(f.dialog.edtOutputDir->text(), QStringLiteral("/srv/out"));
    answer = "/usr/bin/less";
    f.dialog.bitTextViewer->click();
    QCOMPARE(f.dialog.edtTextViewer->text(), QStringLiteral("/usr/bin/less"));
    answer.clear();
    f.dialog.bitOutputDir->click();
    f.dialog.bitTextViewer->click();
    QCOMPARE(f.dialog.edtOutputDir->text(), QStringLiteral("/srv/out"));
    QCOMPARE(f.dialog.edtTextViewer->text(), QStringLiteral("/usr/bin/less"));
  }

  void aFailedSaveKeepsTheDialogOpenAndTheWindowUnchanged() {
    Fixture f;
    f.Open();
    // A folder where the settings file should be can be neither read nor replaced.
    QVERIFY(QDir().mkpath(QString::fromStdString(f.home.Files().settingsFile)));
    f.dialog.chkKyotsuName->click();
    f.dialog.Messages().AnswerNext(morvane::gui::MessageAnswer::Ok);
    f.Save();
    QCOMPARE(f.dialog.Messages().Shown().size(), std::size_t{1});
    QVERIFY(f.dialog.Messages().Shown()[0].text.endsWith(QStringLiteral(" に書き込めません")));
    QVERIFY(f.dialog.isVisible());
    QVERIFY(f.host.applied.empty());
    QVERIFY(f.host.calls.isEmpty());
  }

  void fieldsRefuseWhatTheirClassRefuses() {
    Fixture f;
    f.Open();
    Type(f.dialog.edtStartSeqNbr, QStringLiteral("12a345678901"));
    QCOMPARE(f.dialog.edtStartSeqNbr->text(), QStringLiteral("12345678"));
    Type(f.dialog.edtChgExt, QStringLiteral("a.b/cdefg"));
    QCOMPARE(f.dialog.edtChgExt->text().size(), 5);
  }
};

MORVANE_WINDOW_TEST(SettingDialogTest)
#include "untSetting_test.moc"
