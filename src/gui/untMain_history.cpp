// The field histories of the combo boxes.
#include <QComboBox>
#include <vector>

#include "core/preview/field_history.h"
#include "core/settings/history.h"
#include "gui/combo_items.h"
#include "gui/qt_text.h"
#include "gui/untMain.h"

namespace morvane::gui {
namespace {

using core::OperatingMode;

// The field history of a combo box: where it begins behind the fixed items, how many
// items the combo holds at most, and whether the preview shows the field.
struct FieldHistoryRule {
  const char* combo;
  std::size_t firstHistory;
  std::size_t maxItems;
  bool refreshesPreview;
};

constexpr FieldHistoryRule kFieldHistoryRules[] = {
    {"cboStartSeqNbr", 3, 13, true}, {"cboKyotsuName", 0, 10, true}, {"cboKyotsuName2", 0, 10, true},
    {"cboExtension", 1, 11, false},  {"cboChgExt", 0, 10, false},    {"cboOutputDir", 0, 10, false},
    {"cboChgStr", 0, 10, true},      {"cboChgStr2", 0, 10, true},    {"cboAddStr", 0, 10, true},
    {"cboAddStr2", 0, 10, true},
};

}  // namespace

void TfrmMain::RememberFieldValue(QComboBox* combo, const QString& value) {
  const FieldHistoryRule* rule = nullptr;
  for (const FieldHistoryRule& each : kFieldHistoryRules) {
    if (combo->objectName() == QLatin1String(each.combo)) rule = &each;
  }
  if (!rule) return;
  if (combo == cboChgExt && value.isEmpty()) return;

  // Compared as bytes, so that items loaded from the settings file keep theirs.
  std::vector<std::string> items = AllItemBytes(combo);
  core::RememberInFieldHistory(items, rule->firstHistory, rule->maxItems, ToBytes(value));
  SetItemBytes(combo, items);
  combo->setEditText(value);
  if (rule->refreshesPreview) RefreshPreview();
}

}  // namespace morvane::gui
