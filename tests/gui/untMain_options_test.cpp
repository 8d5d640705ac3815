// The option handlers write their keys the moment the controls change; the input
// filters keep every field within its character class.
#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "gui/untMain.h"
#include "gui/up_down.h"
#include "window_fixture.h"
#include "window_test_main.h"

using morvane::gui::MessageAnswer;
using morvane::gui::MessageKind;
using morvane::test::GiveFocus;
using morvane::test::PressKey;
using morvane::test::SettingValue;
using morvane::test::Type;
using morvane::test::WindowFixture;

class OptionsTest : public QObject, WindowFixture {
  Q_OBJECT

 public:
  OptionsTest() : WindowFixture(kEachTestFunction) {}

 private slots:
  void init() {
    Begin();
    Open();
  }
  void cleanup() { End(); }

  void sortOrderAndDescendingAreWrittenTogether() {
    window->cboSortType->setCurrentIndex(3);
    window->cboSortTypeChange();
    QCOMPARE(SettingValue(*home, "Setting", "SeqNbrSort"), QByteArray("3"));
    QCOMPARE(SettingValue(*home, "Setting", "SortDse"), QByteArray("0"));
    window->chkSortDse->click();
    QCOMPARE(SettingValue(*home, "Setting", "SortDse"), QByteArray("1"));
    QCOMPARE(window->Options().sortType, 3);
    QVERIFY(window->Options().sortDescending);
  }

  void renameInPlaceIsWrittenAndDisablesTheOutputFolder() {
    window->chkDelFile->click();
    QCOMPARE(SettingValue(*home, "Setting", "DelFile"), QByteArray("1"));
    QVERIFY(window->Options().renameInPlace);
    QVERIFY(!window->cboOutputDir->isEnabled());
  }

  void caseOptionsAreWrittenAndRefreshThePreview() {
    window->cboKyotsuName->setEditText(QStringLiteral("img"));
    window->cboRenameUL->setCurrentIndex(1);
    window->cboRenameULChange();
    QCOMPARE(SettingValue(*home, "Setting", "RenameUL"), QByteArray("1"));
    QCOMPARE(window->lblPreView->text(), QStringLiteral("IMG"));
    window->cboExtUL->setCurrentIndex(2);
    window->cboExtULChange();
    QCOMPARE(SettingValue(*home, "Setting", "ExtUL"), QByteArray("2"));
    QCOMPARE(window->Options().extensionCase, 2);
  }

  void incrementIsWrittenAsTypedAndCheckedAsAnInteger() {
    Type(window->edtZoubun, QStringLiteral("0"));
    QCOMPARE(SettingValue(*home, "Setting", "Zoubun"), QByteArray("10"));
    QCOMPARE(window->Options().increment, 10);

    // Emptying the field writes the empty text and keeps the last number.
    window->Messages().AnswerNext(MessageAnswer::Ok);
    window->Messages().AnswerNext(MessageAnswer::Ok);
    PressKey(Qt::Key_Backspace);
    PressKey(Qt::Key_Backspace);
    QCOMPARE(window->edtZoubun->text(), QString());
    QCOMPARE(SettingValue(*home, "Setting", "Zoubun"), QByteArray(""));
    QCOMPARE(window->Options().increment, 1);
    const auto& shown = window->Messages().Shown();
    QCOMPARE(shown.size(), std::size_t{1});
    QCOMPARE(shown[0].kind, MessageKind::Error);
    QCOMPARE(shown[0].text, QStringLiteral("'' は整数ではありません"));
  }

  void upDownStepsTheIncrementWithinItsRange() {
    auto* up = window->updZoubun->findChild<QToolButton*>(QStringLiteral("upArrow"));
    auto* down = window->updZoubun->findChild<QToolButton*>(QStringLiteral("downArrow"));
    up->click();
    QCOMPARE(window->edtZoubun->text(), QStringLiteral("2"));
    QCOMPARE(SettingValue(*home, "Setting", "Zoubun"), QByteArray("2"));
    down->click();
    down->click();
    QCOMPARE(window->edtZoubun->text(), QStringLiteral("1"));
    window->edtZoubun->setText(QStringLiteral("9999"));
    up->click();
    QCOMPARE(window->edtZoubun->text(), QStringLiteral("9999"));
    QCOMPARE(window->Options().increment, 9999);

    // The arrow keys in the field step it the same way.
    GiveFocus(window->edtZoubun);
    PressKey(Qt::Key_Down);
    QCOMPARE(window->edtZoubun->text(), QStringLiteral("9998"));
    PressKey(Qt::Key_Up);
    PressKey(Qt::Key_Up);
    QCOMPARE(window->edtZoubun->text(), QStringLiteral("9999"));
    QCOMPARE(SettingValue(*home, "Setting", "Zoubun"), QByteArray("9999"));
  }

  void theIncrementDoesNotRefreshThePreview() {
    window->cboKyotsuName->setEditText(QStringLiteral("a"));
    Type(window->edtZoubun, QStringLiteral("5"));
    QCOMPARE(window->lblPreView->text(), QString());
  }

  void aFailedWriteShowsTheErrorAndKeepsTheOldOption() {
    QVERIFY(QDir().mkpath(QString::fromStdString(home->Files().settingsFile)));
    window->Messages().AnswerNext(MessageAnswer::Ok);
    window->chkDelFile->click();
    QVERIFY(!window->Options().renameInPlace);
    QCOMPARE(window->Messages().Shown().size(), std::size_t{1});
    QCOMPARE(window->Messages().Shown()[0].text,
             QString::fromStdString(home->Files().settingsFile) + QStringLiteral(" に書き込めません"));
  }

  void optionsSurviveARestart() {
    window->cboSortType->setCurrentIndex(2);
    window->chkSortDse->click();
    window->chkDelFile->click();
    Type(window->edtZoubun, QStringLiteral("5"));
    window->cboRenameUL->setCurrentIndex(1);
    window->cboRenameULChange();
    window->cboExtUL->setCurrentIndex(2);
    window->cboExtULChange();
    const morvane::gui::MainOptions before = window->Options();
    Open();
    const morvane::gui::MainOptions& after = window->Options();
    QCOMPARE(after.sortType, 2);
    QCOMPARE(after.sortDescending, before.sortDescending);
    QCOMPARE(after.renameInPlace, before.renameInPlace);
    QCOMPARE(after.increment, 15);
    QCOMPARE(after.nameCase, 1);
    QCOMPARE(after.extensionCase, 2);
    QCOMPARE(window->cboSortType->currentIndex(), 2);
    QVERIFY(window->chkSortDse->isChecked());
    QVERIFY(window->chkDelFile->isChecked());
    QCOMPARE(window->edtZoubun->text(), QStringLiteral("15"));
    QCOMPARE(window->cboExtUL->currentIndex(), 2);
  }

  void typedCharactersOutsideTheClassAreDropped() {
    struct Case {
      const char* field;
      QString typed;
      QString kept;
    } const cases[] = {
        {"cboChgExt", QStringLiteral("j.p,g"), QStringLiteral("jpg")},
        {"cboChgExt", QStringLiteral("abcdefg"), QStringLiteral("abcde")},
        {"cboExtension", QStringLiteral("bmp,.jpg"), QStringLiteral("bmp,jpg")},
        {"cboKyotsuName", QStringLiteral("a\"b,c/d:e;f<g>h?i\\j|k*l=m表"),
         QStringLiteral("abcdef<g>hijk*l=m表")},
        // A name part keeps : and > only inside a token.
        {"cboKyotsuName2", QStringLiteral("a:b>c<d:e>f"), QStringLiteral("abc<d:e>f")},
        {"cboAddStr2", QStringLiteral("x/y"), QStringLiteral("xy")},  // shown in the addition
        {"cboStartSeqNbr", QStringLiteral("0a1-2345678"), QStringLiteral("01234567")},
        {"edtZoubun", QStringLiteral("x2"), QStringLiteral("12")},
    };
    window->chkChgExt->click();  // the new extension is typed only while it is on
    for (const Case& c : cases) {
      auto* field = window->findChild<QWidget*>(c.field);
      // Keys reach only a field the user can see.
      window->SelectMode(QByteArray(c.field).startsWith("cboAddStr")
                             ? morvane::core::OperatingMode::StringAddition
                             : morvane::core::OperatingMode::SequentialRename);
      if (auto* combo = qobject_cast<QComboBox*>(field)) combo->setEditText(QString());
      Type(field, c.typed);
      const QString text = qobject_cast<QComboBox*>(field) ? qobject_cast<QComboBox*>(field)->currentText()
                                                           : qobject_cast<QLineEdit*>(field)->text();
      QCOMPARE(text, c.kept);
    }
  }

  void theStartNumberFieldShowsEightDigitsInItsPlace() {
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCOMPARE(window->cboStartSeqNbr->geometry(), QRect(136, 216, 60, 22));
    QLineEdit* edit = window->cboStartSeqNbr->lineEdit();
    auto cursor = [edit] { return edit->inputMethodQuery(Qt::ImCursorRectangle).toRect(); };
    edit->clear();
    const int origin = cursor().center().x();
    for (const QString& digits : {QStringLiteral("88888888"), QStringLiteral("12345678")}) {
      edit->setText(digits);
      edit->end(false);
      // Not scrolled: the cursor after the last digit is as far from the start as the
      // digits are wide, and inside the field.
      QCOMPARE(cursor().center().x() - origin, edit->fontMetrics().horizontalAdvance(digits));
      QVERIFY(cursor().center().x() < edit->width());
    }
  }

  void pastedTextIsFilteredNotRefused() {
    QApplication::clipboard()->setText(QStringLiteral("a:b?c"));
    QLineEdit* edit = window->cboKyotsuName->lineEdit();
    edit->setText(QStringLiteral("12"));
    edit->setCursorPosition(1);
    edit->paste();
    QCOMPARE(edit->text(), QStringLiteral("1abc2"));
    QCOMPARE(edit->cursorPosition(), 4);
  }
};

MORVANE_WINDOW_TEST(OptionsTest)
#include "untMain_options_test.moc"
