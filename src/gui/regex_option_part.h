#pragma once

#include <QObject>

#include "core/settings/ini_document.h"

class QCheckBox;
class QComboBox;

namespace morvane::gui {

class PreviewLineHost;

// The replacement's 正規表現を使う box: string A is then a regular expression and takes
// every character a pattern needs (\ | ? * < > and the rest), and B may refer to its
// groups. The box's state is written to the settings file as it changes. Turned off, A
// keeps only the characters a plain A may hold.
class RegexOptionPart : public QObject {
  Q_OBJECT

 public:
  RegexOptionPart(QCheckBox* box, QComboBox* findField, PreviewLineHost& host, QObject* parent);

  // The state the settings file keeps; writes nothing.
  void Load(const core::IniDocument& document);

 private:
  void Toggled(bool on);
  void ApplyInputClass();

  QCheckBox* m_box;
  QComboBox* m_findField;
  PreviewLineHost& m_host;
};

}  // namespace morvane::gui
