#pragma once

#include <QObject>
#include <array>

#include "core/settings/conversion_settings.h"
#include "core/settings/ini_document.h"

class QCheckBox;
class QComboBox;

namespace morvane::gui {

class PreviewLineHost;

// The character conversion's panel: its seven choices and whether the extension is
// converted too. Each change is written to the settings file at once, as the other
// options of the window are, and shows in the preview line.
class ConversionPanelPart : public QObject {
  Q_OBJECT

 public:
  struct Controls {
    // In the order of core::ConversionIndexes.
    std::array<QComboBox*, 7> choices;
    QCheckBox* extension;
  };

  ConversionPanelPart(const Controls& controls, PreviewLineHost& host, QObject* parent);

  // The choices the settings file keeps; writes nothing.
  void Load(const core::IniDocument& document);
  // Shows the choices, written to the settings file as a change by hand is.
  void Show(const core::StoredConversion& conversion);
  // The choices as the panel shows them.
  core::StoredConversion Current() const;

 private:
  void Changed();
  void ShowStored();

  Controls m_controls;
  PreviewLineHost& m_host;
  // What the settings file holds, so that a failed write puts the panel back.
  core::StoredConversion m_stored;
};

}  // namespace morvane::gui
