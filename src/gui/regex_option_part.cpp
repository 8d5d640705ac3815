#include "gui/regex_option_part.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include "core/names/input_class.h"
#include "core/settings/settings_keys.h"
#include "gui/combo_items.h"
#include "gui/field_validator.h"
#include "gui/preview_line_part.h"

namespace morvane::gui {

RegexOptionPart::RegexOptionPart(QCheckBox* box, QComboBox* findField, PreviewLineHost& host, QObject* parent)
    : QObject(parent), m_box(box), m_findField(findField), m_host(host) {
  connect(m_box, &QCheckBox::toggled, this, &RegexOptionPart::Toggled);
}

void RegexOptionPart::Load(const core::IniDocument& document) {
  const QSignalBlocker quiet(m_box);
  m_box->setChecked(document.Read(core::keys::kSettingChgStrRegex));
  ApplyInputClass();
}

void RegexOptionPart::Toggled(bool on) {
  if (!m_host.WriteSettings(
          [on](core::IniDocument& document) { document.Write(core::keys::kSettingChgStrRegex, on); })) {
    const QSignalBlocker quiet(m_box);
    m_box->setChecked(!on);
    return;
  }
  ApplyInputClass();
  if (!on) {
    // What a plain A may not hold goes, as it would had it been pasted.
    const std::string text = EditTextBytes(m_findField);
    const std::string kept = core::FilterFieldText(core::InputOf(core::TextField::FindText), text);
    if (kept != text) SetEditTextBytes(m_findField, kept);
  }
  m_host.RefreshPreview();
}

void RegexOptionPart::ApplyInputClass() {
  ApplyFieldInput(m_findField->lineEdit(),
                  m_box->isChecked() ? core::TextField::FindPattern : core::TextField::FindText);
}

}  // namespace morvane::gui
