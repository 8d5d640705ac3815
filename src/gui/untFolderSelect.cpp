#include "gui/untFolderSelect.h"

#include <QFileSystemModel>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <vector>

#include "core/preview/field_history.h"
#include "core/settings/history.h"
#include "core/targets/folder_choice.h"
#include "gui/combo_items.h"
#include "gui/interface_font.h"
#include "gui/qt_text.h"

namespace morvane::gui {
namespace keys = core::keys;

namespace {
constexpr std::size_t kMaxHistory = 15;
}  // namespace

TfrmFolderSelect::TfrmFolderSelect(FolderRequest& request, core::SettingsStore& settings,
                                   const core::FileSystem& fileSystem, QWidget* parent)
    : QDialog(parent), m_request(request), m_settings(settings), m_fileSystem(fileSystem), m_messages(this) {
  setFont(UiFont());
  setupUi(this);
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(size());
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());

  cboFolderHistory->setCompleter(nullptr);
  ActivateOnlyFromDropDown(cboFolderHistory);
  m_folderModel = new QFileSystemModel(this);
  m_folderModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  m_folderModel->setRootPath(QStringLiteral("/"));
  FolderView->setModel(m_folderModel);
  for (int column = 1; column < m_folderModel->columnCount(); ++column) FolderView->hideColumn(column);

  connect(FolderView->selectionModel(), &QItemSelectionModel::currentChanged, this,
          &TfrmFolderSelect::FolderViewChange);
  // The tree reads and sorts folders in the background, which moves its rows: the folder
  // being selected is brought into view again after each change, until the user moves.
  m_showFolderLater.setSingleShot(true);
  m_showFolderLater.setInterval(0);
  connect(&m_showFolderLater, &QTimer::timeout, this, &TfrmFolderSelect::ShowFolderToShow);
  auto showLater = [this] {
    if (!m_folderToShow.isEmpty()) m_showFolderLater.start();
  };
  connect(m_folderModel, &QFileSystemModel::directoryLoaded, this, showLater);
  connect(m_folderModel, &QAbstractItemModel::rowsInserted, this, showLater);
  connect(m_folderModel, &QAbstractItemModel::layoutChanged, this, showLater);
  connect(FolderView->verticalScrollBar(), &QScrollBar::actionTriggered, this,
          [this] { m_folderToShow.clear(); });
  connect(cboFolderHistory->lineEdit(), &QLineEdit::textEdited, this,
          &TfrmFolderSelect::cboFolderHistoryChange);
  connect(cboFolderHistory, &QComboBox::activated, this, [this](int index) {
    SetEditTextBytes(cboFolderHistory, ItemBytes(cboFolderHistory, index));
    cboFolderHistoryChange();
  });
  connect(btnOk, &QPushButton::clicked, this, &TfrmFolderSelect::btnOkClick);
  connect(btnCancel, &QPushButton::clicked, this, &TfrmFolderSelect::btnCancelClick);
  FormCreate();
}

TfrmFolderSelect::~TfrmFolderSelect() = default;

void TfrmFolderSelect::FormCreate() {
  const core::LoadedHistory history = core::ReadHistory(m_settings, keys::kHistoryFolder);
  for (const std::string& folder : history.items) AddItemBytes(cboFolderHistory, folder);
  cboFolderHistory->setEditText(QString());

  // The top item, selected and opened one level.
  const QModelIndex top = m_folderModel->index(QStringLiteral("/"));
  FolderView->expand(top);
  FolderView->setCurrentIndex(top);

  const std::string lastFolder = m_settings.Read(keys::kDefaultFolder);
  const std::string& start = !m_request.startFolder.empty() && m_fileSystem.IsFolder(m_request.startFolder)
                                 ? m_request.startFolder
                                 : lastFolder;
  if (!start.empty() && m_fileSystem.IsFolder(start) && !SelectFolderInTree(ToQString(start))) {
    // A folder the tree does not show (a hidden one): it is still the one offered.
    SetEditTextBytes(cboFolderHistory, start);
    cboFolderHistoryChange();
  }

  chkGetSubFolder->setChecked(false);
  chkGetSubFolder->setVisible(m_request.offerSubfolders);
}

bool TfrmFolderSelect::SelectFolderInTree(const QString& path) {
  const QModelIndex index = m_folderModel->index(path);
  if (!index.isValid()) return false;
  FolderView->setCurrentIndex(index);
  BringIntoView(index);
  m_folderToShow = m_folderModel->filePath(index);
  return true;
}

void TfrmFolderSelect::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // A hidden tree has no size to scroll in: the folder is brought into view once shown.
  m_showFolderLater.start();
}

void TfrmFolderSelect::ShowFolderToShow() {
  if (m_folderToShow.isEmpty() || !FolderView->isVisible()) return;
  const QModelIndex index = m_folderModel->index(m_folderToShow);
  if (index.isValid()) BringIntoView(index);
}

void TfrmFolderSelect::BringIntoView(const QModelIndex& index) {
  for (QModelIndex above = index.parent(); above.isValid(); above = above.parent()) FolderView->expand(above);
  FolderView->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

QString TfrmFolderSelect::SelectedTreePath() const {
  const QModelIndex current = FolderView->currentIndex();
  return current.isValid() ? m_folderModel->filePath(current) : QString();
}

void TfrmFolderSelect::FolderViewChange() {
  // The user moves the tree now (SelectFolderInTree sets the folder to show after this).
  m_folderToShow.clear();
  if (m_followingText) return;
  const QString path = SelectedTreePath();
  cboFolderHistory->setEditText(path);
  cboFolderHistory->setToolTip(path);
  btnOk->setEnabled(!path.isEmpty());
}

void TfrmFolderSelect::cboFolderHistoryChange() {
  const QString text = cboFolderHistory->currentText();
  btnOk->setEnabled(!text.isEmpty());
  cboFolderHistory->setToolTip(text);
  // The tree follows a typed folder that exists; the text stays as typed.
  const std::string typed = EditTextBytes(cboFolderHistory);
  if (typed.empty() || !m_fileSystem.IsFolder(typed)) return;
  m_followingText = true;
  SelectFolderInTree(ToQString(typed));
  m_followingText = false;
}

void TfrmFolderSelect::btnOkClick() {
  const std::string chosen = EditTextBytes(cboFolderHistory);
  m_request.chosenFolder = chosen;

  std::vector<std::string> history = AllItemBytes(cboFolderHistory);
  core::RememberInFieldHistory(history, 0, kMaxHistory, chosen);
  SetItemBytes(cboFolderHistory, history);
  SetEditTextBytes(cboFolderHistory, chosen);
  cboFolderHistory->setToolTip(ToQString(chosen));

  try {
    m_settings.Update([&](core::IniDocument& document) {
      core::WriteHistory(document, keys::kHistoryFolder, history);
      document.Write(keys::kDefaultFolder, chosen);
    });
  } catch (const core::SettingsWriteError& error) {
    m_messages.Show(MessageKind::Error, ToQString(error.Message()));
    m_request.chosenFolder.clear();
    return;
  }

  if (!chkGetSubFolder->isHidden() && chkGetSubFolder->isChecked()) {
    if (core::IsRootFolderChoice(chosen) &&
        m_messages.Show(MessageKind::Warning, ToQString(core::RootFolderQuestion(chosen)),
                        MessageButtons::YesNo) != MessageAnswer::Yes) {
      m_request.chosenFolder.clear();
      return;
    }
  } else {
    m_request.offerSubfolders = false;
  }
  accept();
}

void TfrmFolderSelect::btnCancelClick() { reject(); }

// Cancel, Escape and the close box: nothing chosen.
void TfrmFolderSelect::reject() {
  m_request.offerSubfolders = false;
  m_request.chosenFolder.clear();
  QDialog::reject();
}

}  // namespace morvane::gui
