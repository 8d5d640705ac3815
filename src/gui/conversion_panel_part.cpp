#include "gui/conversion_panel_part.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>

#include "gui/preview_line_part.h"

namespace morvane::gui {

ConversionPanelPart::ConversionPanelPart(const Controls& controls, PreviewLineHost& host, QObject* parent)
    : QObject(parent), m_controls(controls), m_host(host) {
  for (QComboBox* combo : m_controls.choices)
    connect(combo, &QComboBox::currentIndexChanged, this, &ConversionPanelPart::Changed);
  connect(m_controls.extension, &QCheckBox::toggled, this, &ConversionPanelPart::Changed);
}

void ConversionPanelPart::Load(const core::IniDocument& document) {
  m_stored = core::ReadConversionSettings(document);
  ShowStored();
}

void ConversionPanelPart::ShowStored() {
  const core::ConversionIndexes indexes = core::IndexesOfConversion(m_stored.conversion);
  for (std::size_t i = 0; i < indexes.size(); ++i) {
    const QSignalBlocker quiet(m_controls.choices[i]);
    m_controls.choices[i]->setCurrentIndex(indexes[i]);
  }
  const QSignalBlocker quiet(m_controls.extension);
  m_controls.extension->setChecked(m_stored.extensionToo);
}

void ConversionPanelPart::Show(const core::StoredConversion& conversion) {
  const core::ConversionIndexes indexes = core::IndexesOfConversion(conversion.conversion);
  for (std::size_t i = 0; i < indexes.size(); ++i) {
    const QSignalBlocker quiet(m_controls.choices[i]);
    m_controls.choices[i]->setCurrentIndex(indexes[i]);
  }
  {
    const QSignalBlocker quiet(m_controls.extension);
    m_controls.extension->setChecked(conversion.extensionToo);
  }
  Changed();
}

core::StoredConversion ConversionPanelPart::Current() const {
  core::ConversionIndexes indexes{};
  for (std::size_t i = 0; i < indexes.size(); ++i) indexes[i] = m_controls.choices[i]->currentIndex();
  return {core::ConversionOfIndexes(indexes), m_controls.extension->isChecked()};
}

void ConversionPanelPart::Changed() {
  const core::StoredConversion current = Current();
  if (m_host.WriteSettings(
          [&](core::IniDocument& document) { core::WriteConversionSettings(document, current); })) {
    m_stored = current;
  } else {
    // The settings file could not take it (the window has said so): the panel goes back
    // to what the file holds, so that what runs is what the next start shows.
    ShowStored();
  }
  m_host.RefreshPreview();
}

}  // namespace morvane::gui
