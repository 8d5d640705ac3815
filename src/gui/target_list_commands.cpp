// The target list's buttons and menu items, and the file and folder dialogs they open.
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QListView>
#include <utility>

#include "core/names/path_rules.h"
#include "core/settings/settings_keys.h"
#include "core/targets/ways_in.h"
#include "gui/file_dialogs.h"
#include "gui/qt_text.h"
#include "gui/target_list_part.h"
#include "gui/untFolderSelect.h"

namespace morvane::gui {

void TargetListPart::ConnectCommands() {
  const TargetListControls& c = m_controls;
  connect(qobject_cast<QAbstractButton*>(c.filesButton), &QAbstractButton::clicked, this,
          &TargetListPart::ChooseFiles);
  connect(qobject_cast<QAbstractButton*>(c.folderButton), &QAbstractButton::clicked, this,
          &TargetListPart::ChooseFolder);
  connect(c.pathField, &QComboBox::activated, this, &TargetListPart::AddHistoryItem);
  // A key goes to the focus widget, which is the combo box, not its line edit: the
  // combo hands the key to its line edit directly, past any filter there.
  c.pathField->installEventFilter(this);
  const auto both = [this](QWidget* button, QAction* item, auto handler) {
    connect(qobject_cast<QAbstractButton*>(button), &QAbstractButton::clicked, this, handler);
    connect(item, &QAction::triggered, this, handler);
  };
  both(c.removeButton, c.removeItem, [this] { RemoveSelected(); });
  both(c.clearButton, c.clearItem, [this] { Clear(); });
  void (core::TargetList::*const moves[])() = {&core::TargetList::MoveToTop, &core::TargetList::MoveUp,
                                               &core::TargetList::MoveDown, &core::TargetList::MoveToBottom};
  for (std::size_t i = 0; i < std::size(moves); ++i)
    both(c.moveButtons[i], c.moveItems[i], [this, move = moves[i]] { MoveCurrent(move); });
  connect(c.openItem, &QAction::triggered, this, &TargetListPart::OpenFirstSelected);
  connect(c.list, &QAbstractItemView::doubleClicked, this, &TargetListPart::OpenFirstSelected);
  m_viewport = c.list->viewport();
  m_window = c.list->window();
  for (QObject* filtered : {static_cast<QObject*>(c.list), m_viewport, m_window})
    filtered->installEventFilter(this);
}

bool TargetListPart::eventFilter(QObject* watched, QEvent* event) {
  return FilterEvent(watched, event) || QObject::eventFilter(watched, event);
}

void TargetListPart::ChooseFiles() {
  const std::string filter = core::FileDialogFilter(m_host.FileTypesText());
  std::vector<std::string> chosen = m_dialogs.files.ChooseFiles(m_fileDialogFolder, ToQString(filter));
  if (chosen.empty()) return;
  const std::string folder = core::FolderPart(chosen.front());
  if (!m_host.WriteSettings(
          [&](core::IniDocument& document) { document.Write(core::keys::kDefaultFileFolder, folder); }))
    return;
  m_fileDialogFolder = folder;
  AddChosenFiles(std::move(chosen));
}

void TargetListPart::ChooseFolder() {
  // The button is disabled in the user order; a folder has no place in it.
  if (m_host.InUserOrderState()) return;
  FolderRequest request{true, {}, {}};
  {
    TfrmFolderSelect dialog(request, m_dialogs.settings, m_fileSystem, m_controls.list->window());
    dialog.exec();
  }
  if (!request.chosenFolder.empty()) AddFolder(request.chosenFolder, request.offerSubfolders);
}

}  // namespace morvane::gui
