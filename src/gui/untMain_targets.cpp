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

void TfrmMain::CreateTargetList() {
  const TargetListControls controls{lstChoiceFile,
                                    cboChoiceFile,
                                    bitChoiceFiles,
                                    bitChoiceFolder,
                                    btnSelectFileDel,
                                    pmnCFSelectFileDel,
                                    pmnCFStartProcess,
                                    btnListClear,
                                    pmnCFListClear,
                                    btnStart,
                                    {bitListToTop, bitListUp, bitListDown, bitListToBottom},
                                    {pmnCFListToTop, pmnCFListUp, pmnCFListDown, pmnCFListToBottom},
                                    stbPanel1,
                                    stbMain};
  m_targetList = new TargetListPart(controls, *this, m_fileSystem, this);
}

void TfrmMain::ConnectTargetListHandlers() {
  connect(bitChoiceFiles, &QPushButton::clicked, this, &TfrmMain::bitChoiceFilesClick);
  connect(bitChoiceFolder, &QPushButton::clicked, this, &TfrmMain::bitChoiceFolderClick);
  connect(cboChoiceFile, &QComboBox::activated, this, &TfrmMain::cboChoiceFileClick);
  // A key goes to the focus widget, which is the combo box, not its line edit: the
  // combo hands the key to its line edit directly, past any filter there.
  cboChoiceFile->installEventFilter(this);
  const std::pair<QPushButton*, QAction*> commands[] = {
      {btnSelectFileDel, pmnCFSelectFileDel}, {btnListClear, pmnCFListClear},
      {bitListToTop, pmnCFListToTop},         {bitListUp, pmnCFListUp},
      {bitListDown, pmnCFListDown},           {bitListToBottom, pmnCFListToBottom},
  };
  void (TfrmMain::*handlers[])() = {&TfrmMain::btnSelectFileDelClick, &TfrmMain::btnListClearClick,
                                    &TfrmMain::bitListToTopClick,     &TfrmMain::bitListUpClick,
                                    &TfrmMain::bitListDownClick,      &TfrmMain::bitListToBottomClick};
  for (std::size_t i = 0; i < std::size(commands); ++i) {
    connect(commands[i].first, &QPushButton::clicked, this, handlers[i]);
    connect(commands[i].second, &QAction::triggered, this, handlers[i]);
  }
  connect(pmnCFStartProcess, &QAction::triggered, this, &TfrmMain::lstChoiceFileDblClick);
  connect(lstChoiceFile, &QAbstractItemView::doubleClicked, this, &TfrmMain::lstChoiceFileDblClick);
  lstChoiceFile->installEventFilter(this);
  lstChoiceFile->viewport()->installEventFilter(this);
}

const core::TargetList& TfrmMain::Targets() const { return m_targetList->List(); }
void TfrmMain::SetShellOpener(std::function<void(const std::string&)> opener) {
  m_targetList->SetShellOpener(std::move(opener));
}
void TfrmMain::AppendTarget(const std::string& path) { m_targetList->Append(path); }
void TfrmMain::AppendTargetUnique(const std::string& path) { m_targetList->AppendUnique(path); }
void TfrmMain::RememberTargetFolder(const std::string& folder) { m_targetList->RememberFolder(folder); }
void TfrmMain::ClearTargetList() { m_targetList->Clear(); }
void TfrmMain::StoreCommandLine(const std::vector<std::string>& arguments) {
  m_targetList->AddCommandLine(arguments);
}
void TfrmMain::StoreDroppedPaths(const std::vector<std::string>& paths) {
  m_targetList->AddDroppedPaths(paths);
}
void TfrmMain::FormDragDrop(const QMimeData& data) { m_targetList->AddDrop(data); }

std::string TfrmMain::FileTypesText() const { return ToBytes(cboExtension->currentText()); }
core::ProtectedExtensions TfrmMain::ProtectedTypes() const {
  return core::LoadProtectedExtensions(m_settings);
}

void TfrmMain::btnListClearClick() { ClearTargetList(); }

void TfrmMain::bitChoiceFilesClick() {
  const std::string filter = core::FileDialogFilter(FileTypesText());
  std::vector<std::string> chosen = m_fileDialogs.ChooseFiles(m_fileDialogFolder, ToQString(filter));
  if (chosen.empty()) return;
  const std::string folder = core::FolderPart(chosen.front());
  if (!WriteSettings([&](core::IniDocument& document) { document.Write(keys::kDefaultFileFolder, folder); }))
    return;
  m_fileDialogFolder = folder;
  m_targetList->AddChosenFiles(std::move(chosen));
}

void TfrmMain::cboChoiceFileKeyPress() { m_targetList->AddTypedPath(); }
void TfrmMain::cboChoiceFileClick(int index) { m_targetList->AddHistoryItem(index); }

void TfrmMain::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasFormat(kUriListType)) event->acceptProposedAction();
}

void TfrmMain::dragMoveEvent(QDragMoveEvent* event) {
  if (event->mimeData()->hasFormat(kUriListType)) event->acceptProposedAction();
}

void TfrmMain::dropEvent(QDropEvent* event) {
  if (!event->mimeData()->hasFormat(kUriListType)) return;
  event->acceptProposedAction();
  FormDragDrop(*event->mimeData());
}

void TfrmMain::btnSelectFileDelClick() { m_targetList->RemoveSelected(); }
void TfrmMain::bitListToTopClick() { m_targetList->MoveCurrent(&core::TargetList::MoveToTop); }
void TfrmMain::bitListUpClick() { m_targetList->MoveCurrent(&core::TargetList::MoveUp); }
void TfrmMain::bitListDownClick() { m_targetList->MoveCurrent(&core::TargetList::MoveDown); }
void TfrmMain::bitListToBottomClick() { m_targetList->MoveCurrent(&core::TargetList::MoveToBottom); }
void TfrmMain::lstChoiceFileClick() { RefreshSelectionInfo(); }
void TfrmMain::lstChoiceFileDblClick() { m_targetList->OpenFirstSelected(); }

void TfrmMain::lstChoiceFileMouseDown(Qt::MouseButton button, int y) {
  if (button == Qt::RightButton) m_targetList->RightClickAt(y);
}

void TfrmMain::lstChoiceFileDragDrop(int sourceRow, int y) { m_targetList->DragDropped(sourceRow, y); }

void TfrmMain::bitChoiceFolderClick() {
  // The button is disabled in the user order; a folder has no place in it.
  if (InUserOrderState()) return;
  FolderRequest request{true, {}, {}};
  {
    TfrmFolderSelect dialog(request, m_settings, m_fileSystem, this);
    dialog.exec();
  }
  if (!request.chosenFolder.empty()) m_targetList->AddFolder(request.chosenFolder, request.offerSubfolders);
}

}  // namespace morvane::gui
