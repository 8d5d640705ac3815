// The option handlers write their keys the moment the controls change; the input
// filters keep every field within its character class.
#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include "gui/untMain.h"
#include "gui/up_down.h"
#include "window_fixture.h"

using morvane::gui::MessageAnswer;
using morvane::gui::MessageKind;
using morvane::gui::TfrmMain;
using morvane::test::GiveFocus;
using morvane::test::PressKey;
using morvane::test::SettingValue;
using morvane::test::Type;
using morvane::test::WindowHome;

class OptionsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    m_home = std::make_unique<WindowHome>();
    m_window = m_home->Open();
  }
  void cleanup() {
    m_window.reset();
    m_home.reset();
  }

  void sortOrderAndDescendingAreWrittenTogether() {
    m_window->cboSortType->setCurrentIndex(3);
    m_window->cboSortTypeChange();
    QCOMPARE(SettingValue(*m_home, "Setting", "SeqNbrSort"), QByteArray("3"));
    QCOMPARE(SettingValue(*m_home, "Setting", "SortDse"), QByteArray("0"));
    m_window->chkSortDse->click();
    QCOMPARE(SettingValue(*m_home, "Setting", "SortDse"), QByteArray("1"));
    QCOMPARE(m_window->Options().sortType, 3);
    QVERIFY(m_window->Options().sortDescending);
  }

  void renameInPlaceIsWrittenAndDisablesTheOutputFolder() {
    m_window->chkDelFile->click();
    QCOMPARE(SettingValue(*m_home, "Setting", "DelFile"), QByteArray("1"));
    QVERIFY(m_window->Options().renameInPlace);
    QVERIFY(!m_window->cboOutputDir->isEnabled());
  }

  void caseOptionsAreWrittenAndRefreshThePreview() {
    m_window->cboKyotsuName->setEditText(QStringLiteral("img"));
    m_window->cboRenameUL->setCurrentIndex(1);
    m_window->cboRenameULChange();
    QCOMPARE(SettingValue(*m_home, "Setting", "RenameUL"), QByteArray("1"));
    QCOMPARE(m_window->lblPreView->text(), QStringLiteral("IMG"));
    m_window->cboExtUL->setCurrentIndex(2);
    m_window->cboExtULChange();
    QCOMPARE(SettingValue(*m_home, "Setting", "ExtUL"), QByteArray("2"));
    QCOMPARE(m_window->Options().extensionCase, 2);
  }

  void incrementIsWrittenAsTypedAndCheckedAsAnInteger() {
    Type(m_window->edtZoubun, QStringLiteral("0"));
    QCOMPARE(SettingValue(*m_home, "Setting", "Zoubun"), QByteArray("10"));
    QCOMPARE(m_window->Options().increment, 10);

    // Emptying the field writes the empty text and keeps the last number.
    m_window->Messages().AnswerNext(MessageAnswer::Ok);
    m_window->Messages().AnswerNext(MessageAnswer::Ok);
    PressKey(Qt::Key_Backspace);
    PressKey(Qt::Key_Backspace);
    QCOMPARE(m_window->edtZoubun->text(), QString());
    QCOMPARE(SettingValue(*m_home, "Setting", "Zoubun"), QByteArray(""));
    QCOMPARE(m_window->Options().increment, 1);
    const auto& shown = m_window->Messages().Shown();
    QCOMPARE(shown.size(), std::size_t{1});
    QCOMPARE(shown[0].kind, MessageKind::Error);
    QCOMPARE(shown[0].text, QStringLiteral("'' は整数ではありません"));
  }

  void upDownStepsTheIncrementWithinItsRange() {
    auto* up = m_window->updZoubun->findChild<QToolButton*>(QStringLiteral("upArrow"));
    auto* down = m_window->updZoubun->findChild<QToolButton*>(QStringLiteral("downArrow"));
    up->click();
    QCOMPARE(m_window->edtZoubun->text(), QStringLiteral("2"));
    QCOMPARE(SettingValue(*m_home, "Setting", "Zoubun"), QByteArray("2"));
    down->click();
    down->click();
    QCOMPARE(m_window->edtZoubun->text(), QStringLiteral("1"));
    m_window->edtZoubun->setText(QStringLiteral("9999"));
    up->click();
    QCOMPARE(m_window->edtZoubun->text(), QStringLiteral("9999"));
    QCOMPARE(m_window->Options().increment, 9999);

    // The arrow keys in the field step it the same way.
    GiveFocus(m_window->edtZoubun);
    PressKey(Qt::Key_Down);
    QCOMPARE(m_window->edtZoubun->text(), QStringLiteral("9998"));
    PressKey(Qt::Key_Up);
    PressKey(Qt::Key_Up);
    QCOMPARE(m_window->edtZoubun->text(), QStringLiteral("9999"));
    QCOMPARE(SettingValue(*m_home, "Setting", "Zoubun"), QByteArray("9999"));
  }

  void theIncrementDoesNotRefreshThePreview() {
    m_window->cboKyotsuName->setEditText(QStringLiteral("a"));
    Type(m_window->edtZoubun, QStringLiteral("5"));
    QCOMPARE(m_window->lblPreView->text(), QString());
  }

  void aFailedWriteShowsTheErrorAndKeepsTheOldOption() {
    QVERIFY(QDir().mkpath(QString::fromStdString(m_home->Files().settingsFile)));
    m_window->Messages().AnswerNext(MessageAnswer::Ok);
    m_window->chkDelFile->click();
    QVERIFY(!m_window->Options().renameInPlace);
    QCOMPARE(m_window->Messages().Shown().size(), std::size_t{1});
    QCOMPARE(m_window->Messages().Shown()[0].text,
             QString::fromStdString(m_home->Files().settingsFile) + QStringLiteral(" に書き込めません"));
  }

  void optionsSurviveARestart() {
    m_window->cboSortType->setCurrentIndex(2);
    m_window->chkSortDse->click();
    m_window->chkDelFile->click();
    Type(m_window->edtZoubun, QStringLiteral("5"));
    m_window->cboRenameUL->setCurrentIndex(1);
    m_window->cboRenameULChange();
    m_window->cboExtUL->setCurrentIndex(2);
    m_window->cboExtULChange();
    const morvane::gui::MainOptions before = m_window->Options();
    m_window = m_home->Open();
    const morvane::gui::MainOptions& after = m_window->Options();
    QCOMPARE(after.sortType, 2);
    QCOMPARE(after.sortDescending, before.sortDescending);
    QCOMPARE(after.renameInPlace, before.renameInPlace);
    QCOMPARE(after.increment, 15);
    QCOMPARE(after.nameCase, 1);
    QCOMPARE(after.extensionCase, 2);
    QCOMPARE(m_window->cboSortType->currentIndex(), 2);
    QVERIFY(m_window->chkSortDse->isChecked());
    QVERIFY(m_window->chkDelFile->isChecked());
    QCOMPARE(m_window->edtZoubun->text(), QStringLiteral("15"));
    QCOMPARE(m_window->cboExtUL->currentIndex(), 2);
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
         QStringLiteral("abcdefghijk*l=m表")},
        {"cboAddStr2", QStringLiteral("x/y"), QStringLiteral("xy")},  // shown in the addition
        {"cboStartSeqNbr", QStringLiteral("0a1-2345678"), QStringLiteral("01234567")},
        {"edtZoubun", QStringLiteral("x2"), QStringLiteral("12")},
    };
    m_window->chkChgExt->click();  // the new extension is typed only while it is on
    for (const Case& c : cases) {
      auto* field = m_window->findChild<QWidget*>(c.field);
      // Keys reach only a field the user can see.
      m_window->SelectMode(QByteArray(c.field).startsWith("cboAddStr")
                               ? morvane::core::OperatingMode::AddStr
                               : morvane::core::OperatingMode::Rename);
      if (auto* combo = qobject_cast<QComboBox*>(field)) combo->setEditText(QString());
      Type(field, c.typed);
      const QString text = qobject_cast<QComboBox*>(field) ? qobject_cast<QComboBox*>(field)->currentText()
                                                           : qobject_cast<QLineEdit*>(field)->text();
      QCOMPARE(text, c.kept);
    }
  }

  void theStartNumberFieldShowsEightDigitsInItsPlace() {
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QCOMPARE(m_window->cboStartSeqNbr->geometry(), QRect(136, 216, 60, 22));
    QLineEdit* edit = m_window->cboStartSeqNbr->lineEdit();
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
    QLineEdit* edit = m_window->cboKyotsuName->lineEdit();
    edit->setText(QStringLiteral("12"));
    edit->setCursorPosition(1);
    edit->paste();
    QCOMPARE(edit->text(), QStringLiteral("1abc2"));
    QCOMPARE(edit->cursorPosition(), 4);
  }

 private:
  std::unique_ptr<WindowHome> m_home;
  std::unique_ptr<TfrmMain> m_window;
};

QTEST_MAIN(OptionsTest)
#include "untMain_options_test.moc"
