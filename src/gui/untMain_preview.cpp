// The preview line's slots and wiring; the line and its histories are the
// PreviewLinePart. The click on the line steps the case options.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

#include "core/preview/preview_text.h"
#include "gui/conversion_panel_part.h"
#include "gui/preview_line_part.h"
#include "gui/untMain.h"

namespace morvane::gui {

using core::OperatingMode;

void TfrmMain::RefreshPreview() {
  m_previewLine->Refresh();
  if (m_plan != nullptr) m_plan->MayHaveChanged();
}

core::StoredConversion TfrmMain::Conversion() const { return m_conversion->Current(); }

const core::PreviewHistoryList& TfrmMain::PreviewHistory(OperatingMode mode) const {
  return m_previewLine->History(mode);
}
core::PreviewEntryFields TfrmMain::CurrentPreviewFields(OperatingMode mode) const {
  return m_previewLine->CurrentFields(mode);
}
void TfrmMain::RecordPreview(OperatingMode mode, const core::PreviewEntryFields& fields) {
  m_previewLine->Record(mode, fields);
}
bool TfrmMain::SavePreviewHistory(OperatingMode mode) { return m_previewLine->Save(mode); }

}  // namespace morvane::gui
