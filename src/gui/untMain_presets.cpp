// A preset's fields shown in the window, each written to the settings file as a change
// by hand is.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "gui/combo_items.h"
#include "gui/conversion_panel_part.h"
#include "gui/qt_text.h"
#include "gui/untMain.h"

namespace morvane::gui {

void TfrmMain::ApplyPresetFields(const core::StartRequest& fields) {
  using core::OperatingMode;
  if (Mode() != fields.mode) SelectMode(fields.mode);
  switch (fields.mode) {
    case OperatingMode::SequentialRename:
      SetEditTextBytes(cboKyotsuName, fields.frontPart);
      SetEditTextBytes(cboStartSeqNbr, fields.startNumber);
      SetEditTextBytes(cboKyotsuName2, fields.backPart);
      edtZoubun->setText(ToQString(fields.increment));
      m_optionFields->edtZoubunChange();
      cboSortType->setCurrentIndex(fields.sortType);
      chkSortDse->setChecked(fields.descending);
      m_optionFields->cboSortTypeChange();
      break;
    case OperatingMode::StringReplacement:
      // The regular expression first: it decides what A may hold.
      chkRegex->setChecked(fields.regex);
      chkChgStr->setChecked(fields.caseSensitive);
      SetEditTextBytes(cboChgStr, fields.stringA);
      SetEditTextBytes(cboChgStr2, fields.stringB);
      break;
    case OperatingMode::StringAddition:
      SetEditTextBytes(cboAddStr, fields.stringA);
      SetEditTextBytes(cboAddStr2, fields.stringB);
      break;
    case OperatingMode::CharacterConversion:
      m_conversion->Show({fields.conversion, fields.convertExtension});
      break;
    case OperatingMode::ExtensionChange:
    case OperatingMode::CaseConversion:
    case OperatingMode::ListedNames:
      break;
  }
  if (fields.mode != OperatingMode::CaseConversion && fields.mode != OperatingMode::CharacterConversion) {
    if (fields.mode != OperatingMode::ExtensionChange) chkChgExt->setChecked(fields.changeExtension);
    if (fields.changeExtension) SetEditTextBytes(cboChgExt, fields.newExtension);
    m_previewLine->chkChgExtClick();
  }
  if (!core::AlwaysRenamesInPlace(fields.mode)) {
    chkDelFile->setChecked(fields.renameInPlace);
    m_optionFields->chkDelFileClick();
    if (!fields.renameInPlace) SetEditTextBytes(cboOutputDir, fields.outputFolder);
  }
  if (fields.mode != OperatingMode::CharacterConversion) {
    cboRenameUL->setCurrentIndex(fields.nameCase);
    m_optionFields->cboRenameULChange();
    cboExtUL->setCurrentIndex(fields.extensionCase);
    m_optionFields->cboExtULChange();
  }
  SetEditTextBytes(cboExtension, fields.fileTypes);
  RefreshPreview();
}

}  // namespace morvane::gui
