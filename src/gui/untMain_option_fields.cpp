// The option fields of the main window: the numbering order, renaming in place, the
// increment and the two cases, each written to the settings file when it changes.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "core/settings/settings_keys.h"
#include "gui/qt_text.h"
#include "gui/untMain.h"
#include "gui/up_down.h"

namespace morvane::gui {
namespace keys = core::keys;

void TfrmMain::cboSortTypeChange() {
  const int sortType = cboSortType->currentIndex();
  const bool descending = chkSortDse->isChecked();
  if (!WriteSettings([&](core::IniDocument& document) {
        document.Write(keys::kSettingSeqNbrSort, sortType);
        document.Write(keys::kSettingSortDse, descending);
      })) {
    return;
  }
  ApplyListArrangement();
  m_options.sortType = sortType;
  m_options.sortDescending = descending;
  RefreshSelectionInfo();
}

void TfrmMain::chkDelFileClick() {
  const bool inPlace = chkDelFile->isChecked();
  if (!WriteSettings([&](core::IniDocument& document) { document.Write(keys::kSettingDelFile, inPlace); }))
    return;
  m_options.renameInPlace = inPlace;
  ApplyOutputFolderRule();
}

void TfrmMain::edtZoubunChange() {
  const QString text = edtZoubun->text();
  if (!WriteSettings(
          [&](core::IniDocument& document) { document.Write(keys::kSettingZoubun, ToBytes(text)); })) {
    return;
  }
  const std::optional<int> increment = ParseDecimal(text);
  if (!increment) {
    // The text stays written; the run keeps the last increment that was a number.
    m_messages.Show(MessageKind::Error, QStringLiteral("'%1' は整数ではありません").arg(text));
    return;
  }
  m_options.increment = *increment;
  updZoubun->SetPosition(*increment);
}

void TfrmMain::updZoubunClick(int direction) {
  const int current = ParseDecimal(edtZoubun->text()).value_or(updZoubun->Position());
  edtZoubun->setText(QString::number(updZoubun->Stepped(current, direction)));
  edtZoubunChange();
}

void TfrmMain::cboRenameULChange() {
  const int nameCase = cboRenameUL->currentIndex();
  if (!WriteSettings(
          [&](core::IniDocument& document) { document.Write(keys::kSettingRenameUL, nameCase); })) {
    return;
  }
  m_options.nameCase = nameCase;
  RefreshPreview();
}

void TfrmMain::cboExtULChange() {
  const int extensionCase = cboExtUL->currentIndex();
  if (!WriteSettings(
          [&](core::IniDocument& document) { document.Write(keys::kSettingExtUL, extensionCase); })) {
    return;
  }
  m_options.extensionCase = extensionCase;
  RefreshPreview();
}

}  // namespace morvane::gui
