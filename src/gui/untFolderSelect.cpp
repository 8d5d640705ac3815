#include "gui/untFolderSelect.h"

#include <QFileSystemModel>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <vector>

#include "core/preview/field_history.h"
#include "core/settings/history.h"
#include "core/targets/folder_choice.h"
#include "gui/combo_items.h"
#include "gui/interface_font.h"
#include "gui/qt_text.h"
#include "platform/posix_file_system.h"

namespace morvane::gui {
namespace keys = core::keys;

namespace {
constexpr std::size_t kMaxHistory = 15;
}  // namespace

TfrmFolderSelect::TfrmFolderSelect(FolderRequest& request, core::SettingsStore& settings, QWidget* parent)
    : QDialog(parent), m_request(request), m_settings(settings), m_messages(this) {
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
  if (!lastFolder.empty() && platform::PosixFileSystem().IsFolder(lastFolder) &&
      !SelectFolderInTree(ToQString(lastFolder))) {
    // A folder the tree does not show (a hidden one): it is still the one offered.
    SetEditTextBytes(cboFolderHistory, lastFolder);
    cboFolderHistoryChange();
  }

  chkGetSubFolder->setChecked(false);
  chkGetSubFolder->setVisible(m_request.offerSubfolders);
}

bool TfrmFolderSelect::SelectFolderInTree(const QString& path) {
  const QModelIndex index = m_folderModel->index(path);
  if (!index.isValid()) return false;
  for (QModelIndex above = index.parent(); above.isValid(); above = above.parent()) FolderView->expand(above);
  FolderView->setCurrentIndex(index);
  FolderView->scrollTo(index);
  return true;
}

QString TfrmFolderSelect::SelectedTreePath() const {
  const QModelIndex current = FolderView->currentIndex();
  return current.isValid() ? m_folderModel->filePath(current) : QString();
}

void TfrmFolderSelect::FolderViewChange() {
  const QString path = SelectedTreePath();
  cboFolderHistory->setEditText(path);
  cboFolderHistory->setToolTip(path);
  btnOk->setEnabled(!path.isEmpty());
}

void TfrmFolderSelect::cboFolderHistoryChange() {
  const QString text = cboFolderHistory->currentText();
  btnOk->setEnabled(!text.isEmpty());
  cboFolderHistory->setToolTip(text);
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
