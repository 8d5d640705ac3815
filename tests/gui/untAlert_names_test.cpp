// The overwrite alert shows a name with control characters in it the way the result
// lines write it, so that a name cannot break a label's line or pass for other text.
#include <QTest>

#include "core/text/code_page.h"
#include "gui/untAlert.h"
#include "window_test_main.h"

using morvane::core::OverwriteQuestion;
using morvane::gui::TfrmAlert;

class AlertNamesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { morvane::core::SetActiveCodePage(morvane::core::CodePage::Utf8()); }

  void showsControlCharactersEscaped() {
    TfrmAlert alert(OverwriteQuestion{"/out\t/02\r\n上書き.txt", "/in/a\x1B[2Kb.txt"});
    QCOMPARE(alert.lblAfterFileName->toolTip(), QStringLiteral("$'02\\r\\n上書き.txt'"));
    QCOMPARE(alert.lblAfterPath->toolTip(), QStringLiteral("$'/out\\t'"));
    QCOMPARE(alert.lblBeforeFullPath->toolTip(), QStringLiteral("$'/in/a\\x1B[2Kb.txt'"));
  }
};

MORVANE_WINDOW_TEST(AlertNamesTest)
#include "untAlert_names_test.moc"
