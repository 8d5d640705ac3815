// The controls of the main window and the settings dialog are the text fields whose
// input rules they apply; other controls have none.
#include "gui/text_fields.h"

#include <QTest>

#include "window_test_main.h"

namespace morvane::gui {

class TextFieldsTest : public QObject {
  Q_OBJECT

 private slots:
  void ControlsAreTheirFields() {
    struct Case {
      const char* control;
      std::optional<core::TextField> field;
    } const cases[] = {
        {"cboKyotsuName", core::TextField::FrontPart},
        {"cboGDExtUser", core::TextField::ProtectedTypes},
        {"edtChgExt", core::TextField::DefaultNewExtension},
        {"cboStartSeqNbr", core::TextField::StartNumber},
        {"edtZoubun", core::TextField::Increment},
        {"cboAddStr2", core::TextField::Suffix},
        {"lstChoiceFile", std::nullopt},
    };
    for (const Case& c : cases) QVERIFY2(TextFieldNamed(c.control) == c.field, c.control);
  }
};

}  // namespace morvane::gui

MORVANE_GUILESS_TEST(morvane::gui::TextFieldsTest)
#include "text_fields_test.moc"
