// The target list's slots and wiring; the list itself is the TargetListPart.
#include <QComboBox>
#include <QDragEnterEvent>
#include <QListView>
#include <QMimeData>
#include <utility>

#include "core/names/path_rules.h"
#include "core/names/protected_extensions.h"
#include "core/settings/protected_extension_settings.h"
#include "core/targets/ways_in.h"
#include "gui/qt_text.h"
#include "gui/target_list_part.h"
#include "gui/untFolderSelect.h"
#include "gui/untMain.h"

namespace morvane::gui {
namespace keys = core::keys;

namespace {

const QString kUriListType = QStringLiteral("text/uri-list");

}  // namespace

const core::TargetList& TfrmMain::Targets() const { return m_targetList->List(); }
void TfrmMain::SetShellOpener(std::function<void(const std::string&)> opener) {
  m_targetList->SetShellOpener(std::move(opener));
}
void TfrmMain::AppendTarget(const std::string& path) { m_targetList->Append(path); }
void TfrmMain::ClearTargetList() { m_targetList->Clear(); }
void TfrmMain::StoreDroppedPaths(const std::vector<std::string>& paths) {
  m_targetList->AddDroppedPaths(paths);
}
void TfrmMain::FormDragDrop(const QMimeData& data) { m_targetList->AddDrop(data); }
void TfrmMain::ShowFreeSpace() { m_targetList->ShowFreeSpace(); }

std::string TfrmMain::FileTypesText() const { return ToBytes(cboExtension->currentText()); }
core::ProtectedExtensions TfrmMain::ProtectedTypes() const {
  return core::LoadProtectedExtensions(m_settings);
}

void TfrmMain::lstChoiceFileDblClick() { m_targetList->OpenFirstSelected(); }

void TfrmMain::lstChoiceFileMouseDown(Qt::MouseButton button, int y) {
  if (button == Qt::RightButton) m_targetList->RightClickAt(y);
}

void TfrmMain::lstChoiceFileDragDrop(int sourceRow, int y) { m_targetList->DragDropped(sourceRow, y); }

}  // namespace morvane::gui
