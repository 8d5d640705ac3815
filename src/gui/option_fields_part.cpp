#include "gui/option_fields_part.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "core/preview/preview_text.h"
#include "core/settings/settings_keys.h"
#include "core/text/trim.h"
#include "gui/combo_items.h"
#include "gui/compact_combo_style.h"
#include "gui/message_boxes.h"
#include "gui/qt_text.h"
#include "gui/target_list_part.h"
#include "gui/untFolderSelect.h"
#include "gui/up_down.h"

namespace morvane::gui {
namespace keys = core::keys;
namespace {

constexpr int kIncrementMinimum = 1;
constexpr int kIncrementMaximum = 9999;

int KeyOf(QEvent* event) {
  return event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event)->key() : 0;
}

}  // namespace

OptionFieldsPart::OptionFieldsPart(const OptionFieldControls& controls, OptionFieldsHost& host,
                                   TargetListPart& targetList, core::SettingsStore& settings,
                                   core::FileSystem& fileSystem, QObject* parent)
    : QObject(parent),
      m_controls(controls),
      m_host(host),
      m_targetList(targetList),
      m_settings(settings),
      m_fileSystem(fileSystem) {
  CreateUpDown();
  FitStartNumberField();
  Connect();
}

void OptionFieldsPart::CreateUpDown() {
  QLineEdit* field = m_controls.increment;
  m_upDown = new UpDown(kIncrementMinimum, kIncrementMaximum, field->parentWidget());
  m_upDown->setObjectName(QStringLiteral("updZoubun"));
  m_upDown->setGeometry(field->x() + field->width(), field->y(), 16, field->height());
}

void OptionFieldsPart::FitStartNumberField() {
  // Eight digits in a 60-pixel field: digits of one width, a narrow drop-down button,
  // and the line edit's own inner margin given back, the field's place unchanged.
  QComboBox* field = m_controls.startNumber;
  const int pixelSize = field->window()->font().pixelSize();
  QFont digits(QStringLiteral("IPAGothic"));
  digits.setPixelSize(pixelSize > 0 ? pixelSize : 12);
  digits.setStyleHint(QFont::Monospace);
  field->setFont(digits);
  auto* style = new CompactComboStyle(6);
  style->setParent(field);
  field->setStyle(style);
  field->lineEdit()->setTextMargins(-1, 0, -1, 0);
}

void OptionFieldsPart::Connect() {
  const OptionFieldControls& c = m_controls;
  connect(c.sortType, &QComboBox::activated, this, &OptionFieldsPart::cboSortTypeChange);
  connect(c.descending, &QCheckBox::clicked, this, &OptionFieldsPart::cboSortTypeChange);
  connect(c.inPlace, &QCheckBox::clicked, this, &OptionFieldsPart::chkDelFileClick);
  connect(c.increment, &QLineEdit::textEdited, this, &OptionFieldsPart::edtZoubunChange);
  connect(m_upDown, &UpDown::stepRequested, this, &OptionFieldsPart::updZoubunClick);
  connect(c.nameCase, &QComboBox::activated, this, &OptionFieldsPart::cboRenameULChange);
  connect(c.extensionCase, &QComboBox::activated, this, &OptionFieldsPart::cboExtULChange);
  connect(qobject_cast<QAbstractButton*>(c.outputFolderButton), &QAbstractButton::clicked, this,
          &OptionFieldsPart::bitOutputDirClick);
  c.increment->installEventFilter(this);
  // On the combo box itself, where a key arrives (see the target path field).
  c.outputFolder->installEventFilter(this);
  c.previewLine->installEventFilter(this);
}

bool OptionFieldsPart::eventFilter(QObject* watched, QEvent* event) {
  const int key = KeyOf(event);
  if (watched == m_controls.outputFolder && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
    cboOutputDirKeyPress();
    return true;
  }
  if (watched == m_controls.increment && (key == Qt::Key_Up || key == Qt::Key_Down)) {
    // The arrow keys step the increment, as the up-down control's arrows do.
    updZoubunClick(key == Qt::Key_Up ? 1 : -1);
    return true;
  }
  if (watched == m_controls.previewLine && event->type() == QEvent::MouseButtonRelease)
    lblPreViewMouseUp(static_cast<QMouseEvent*>(event)->button());
  return QObject::eventFilter(watched, event);
}

void OptionFieldsPart::Load(const core::IniDocument& document) {
  const OptionFieldControls& c = m_controls;
  auto select = [](QComboBox* combo, int index) {
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
  };
  m_options.sortType = document.Read(keys::kSettingSeqNbrSort);
  select(c.sortType, m_options.sortType);
  m_targetList.ApplyArrangement();

  m_options.sortDescending = document.Read(keys::kSettingSortDse);
  c.descending->setChecked(m_options.sortDescending);
  m_options.renameInPlace = document.Read(keys::kSettingDelFile);
  c.inPlace->setChecked(m_options.renameInPlace);
  // An increment that is not a decimal integer (emptied while typing, or edited by
  // hand) starts as 1. The field shows the number the up-down control is set to.
  m_options.increment = ParseDecimal(ToQString(document.Read(keys::kSettingZoubun))).value_or(1);
  m_upDown->SetPosition(m_options.increment);
  c.increment->setText(QString::number(m_options.increment));
  m_options.nameCase = document.Read(keys::kSettingRenameUL);
  select(c.nameCase, m_options.nameCase);
  m_options.extensionCase = document.Read(keys::kSettingExtUL);
  select(c.extensionCase, m_options.extensionCase);
}

void OptionFieldsPart::cboSortTypeChange() {
  const int sortType = m_controls.sortType->currentIndex();
  const bool descending = m_controls.descending->isChecked();
  if (!m_host.WriteSettings([&](core::IniDocument& document) {
        document.Write(keys::kSettingSeqNbrSort, sortType);
        document.Write(keys::kSettingSortDse, descending);
      })) {
    return;
  }
  m_targetList.ApplyArrangement();
  m_options.sortType = sortType;
  m_options.sortDescending = descending;
  m_targetList.RefreshSelectionInfo();
}

void OptionFieldsPart::chkDelFileClick() {
  const bool inPlace = m_controls.inPlace->isChecked();
  if (!m_host.WriteSettings(
          [&](core::IniDocument& document) { document.Write(keys::kSettingDelFile, inPlace); }))
    return;
  m_options.renameInPlace = inPlace;
  m_host.ApplyOutputFolderRule();
}

void OptionFieldsPart::edtZoubunChange() {
  const QString text = m_controls.increment->text();
  if (!m_host.WriteSettings(
          [&](core::IniDocument& document) { document.Write(keys::kSettingZoubun, ToBytes(text)); })) {
    return;
  }
  const std::optional<int> increment = ParseDecimal(text);
  if (!increment) {
    // The text stays written; the run keeps the last increment that was a number.
    m_host.Messages().Show(MessageKind::Error, QStringLiteral("'%1' は整数ではありません").arg(text));
    return;
  }
  m_options.increment = *increment;
  m_upDown->SetPosition(*increment);
}

void OptionFieldsPart::updZoubunClick(int direction) {
  const int current = ParseDecimal(m_controls.increment->text()).value_or(m_upDown->Position());
  m_controls.increment->setText(QString::number(m_upDown->Stepped(current, direction)));
  edtZoubunChange();
}

void OptionFieldsPart::cboRenameULChange() {
  CaseChanged(m_controls.nameCase, keys::kSettingRenameUL, m_options.nameCase);
}

void OptionFieldsPart::cboExtULChange() {
  CaseChanged(m_controls.extensionCase, keys::kSettingExtUL, m_options.extensionCase);
}

void OptionFieldsPart::CaseChanged(QComboBox* combo, const core::keys::IntKey& key, int& option) {
  const int index = combo->currentIndex();
  if (!m_host.WriteSettings([&](core::IniDocument& document) { document.Write(key, index); })) return;
  option = index;
  m_host.RefreshPreview();
}

void OptionFieldsPart::CyclePreviewCase() {
  QComboBox* nameCase = m_controls.nameCase;
  QComboBox* extensionCase = m_controls.extensionCase;
  const std::optional<core::CaseCycleStep> step =
      core::CyclePreviewCase(nameCase->currentIndex(), extensionCase->currentIndex());
  if (!step) return;
  if (step->nameCaseChanged) {
    nameCase->setCurrentIndex(step->nameCase);
    extensionCase->setCurrentIndex(step->extensionCase);
    cboRenameULChange();
  } else {
    extensionCase->setCurrentIndex(step->extensionCase);
  }
  cboExtULChange();
}

void OptionFieldsPart::lblPreViewMouseUp(Qt::MouseButton button) {
  if (button == Qt::LeftButton) CyclePreviewCase();
}

bool OptionFieldsPart::CheckOutputFolderAt(core::OutputFolderVariant variant) {
  MessageBoxes& messages = m_host.Messages();
  const core::OutputFolderCheck check = core::CheckOutputFolder(
      EditTextBytes(m_controls.outputFolder), variant, m_fileSystem, [&](std::string_view question) {
        return messages.Show(MessageKind::Confirmation, ToQString(question), MessageButtons::YesNo) ==
               MessageAnswer::Yes;
      });
  if (check.Ready()) return true;
  if (!check.message.empty()) {
    const MessageKind kind =
        check.kind == core::MessageKind::Confirmation ? MessageKind::Confirmation : MessageKind::Warning;
    messages.Show(kind, ToQString(check.message));
  }
  (check.focusBrowseButton ? m_controls.outputFolderButton : m_controls.outputFolder)->setFocus();
  return false;
}

void OptionFieldsPart::cboOutputDirKeyPress() { CheckOutputFolderAt(core::OutputFolderVariant::Enter); }

void OptionFieldsPart::bitOutputDirClick() {
  FolderRequest request;  // no subfolder box: the output folder is one folder
  request.startFolder = std::string(core::TrimBlanks(EditTextBytes(m_controls.outputFolder)));
  {
    TfrmFolderSelect dialog(request, m_settings, m_fileSystem, m_controls.outputFolder->window());
    dialog.exec();
  }
  if (!request.chosenFolder.empty()) SetEditTextBytes(m_controls.outputFolder, request.chosenFolder);
}

}  // namespace morvane::gui
