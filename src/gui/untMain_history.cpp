// The preview histories of the rename, replacement and addition modes, and the field
// histories of the combo boxes.
#include <QComboBox>
#include <QMenu>
#include <vector>

#include "core/preview/field_history.h"
#include "core/settings/history.h"
#include "gui/combo_items.h"
#include "gui/qt_text.h"
#include "gui/untMain.h"

namespace morvane::gui {
namespace {

using core::OperatingMode;

const core::keys::HistoryKey& StorageOf(OperatingMode mode) {
  if (mode == OperatingMode::ChangeStr) return core::keys::kChgStrPreViewList;
  if (mode == OperatingMode::AddStr) return core::keys::kAddStrPreViewList;
  return core::keys::kCopyFilePreViewList;
}

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

// A preview text is shown as it is: a '&' is not an access key.
QString MenuCaption(const std::string& entry) {
  const std::vector<std::string> fields = core::SplitPreviewEntry(entry);
  QString caption = fields.empty() ? QString() : ToQString(fields.front());
  return caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

TfrmMain::PreviewHistoryMenus& TfrmMain::HistoryOf(OperatingMode mode) {
  if (mode == OperatingMode::ChangeStr) return m_previewHistories[1];
  if (mode == OperatingMode::AddStr) return m_previewHistories[2];
  return m_previewHistories[0];
}

const core::PreviewHistoryList& TfrmMain::PreviewHistory(OperatingMode mode) const {
  return const_cast<TfrmMain*>(this)->HistoryOf(mode).list;
}

core::PreviewEntryFields TfrmMain::CurrentPreviewFields(OperatingMode mode) const {
  core::PreviewEntryFields fields;
  fields.preview = ToBytes(lblPreView->text());
  if (mode == OperatingMode::Rename) {
    fields.first = ToBytes(cboKyotsuName->currentText());
    fields.second = ToBytes(cboStartSeqNbr->currentText());
    fields.third = ToBytes(cboKyotsuName2->currentText());
  } else {
    const bool replacement = mode == OperatingMode::ChangeStr;
    fields.first = ToBytes((replacement ? cboChgStr : cboAddStr)->currentText());
    fields.second = ToBytes((replacement ? cboChgStr2 : cboAddStr2)->currentText());
  }
  fields.extensionOn = chkChgExt->isChecked();
  fields.newExtension = ToBytes(cboChgExt->currentText());
  fields.nameCase = cboRenameUL->currentIndex();
  fields.extensionCase = cboExtUL->currentIndex();
  return fields;
}

void TfrmMain::RecordPreview(OperatingMode mode, const core::PreviewEntryFields& fields) {
  PreviewHistoryMenus& history = HistoryOf(mode);
  if (history.list.Record(fields.preview, core::ComposePreviewEntry(mode, fields)))
    RebuildPreviewMenus(history);
}

// Both menus list the entries in the list's order, the placeholder last and hidden
// while there are entries, so that an item's position is its entry's position.
void TfrmMain::RebuildPreviewMenus(PreviewHistoryMenus& history) {
  for (auto [menu, placeholder] : {std::pair{history.mainMenu, history.mainPlaceholder},
                                   std::pair{history.popup, history.popupPlaceholder}}) {
    for (QAction* item : menu->actions()) {
      if (item != placeholder) {
        menu->removeAction(item);
        delete item;
      }
    }
    for (const std::string& entry : history.list.Entries()) {
      auto* item = new QAction(MenuCaption(entry), menu);
      connect(item, &QAction::triggered, this, history.clickHandler);
      menu->insertAction(placeholder, item);
    }
    placeholder->setVisible(history.list.Entries().empty());
  }
}

void TfrmMain::LoadPreviewHistories() {
  const core::IniDocument document = m_settings.Load();
  for (OperatingMode mode : {OperatingMode::Rename, OperatingMode::ChangeStr, OperatingMode::AddStr}) {
    const core::keys::HistoryKey& key = StorageOf(mode);
    // Stored oldest first: each entry read goes to the head, so the newest ends there.
    for (int n = key.first; n <= key.last; ++n) {
      const std::string value = document.ReadString(key.section, core::HistoryKeyName(key.stem, n), "");
      if (value.empty()) break;
      // An entry whose numbers are not numbers (edited by hand) could never be
      // restored; it is left out rather than stopping the start.
      const std::optional<core::RestoredPreviewEntry> entry = core::ParsePreviewEntry(mode, value);
      if (entry) RecordPreview(mode, entry->fields);
    }
  }
}

bool TfrmMain::SavePreviewHistory(OperatingMode mode) {
  const std::vector<std::string> entries = HistoryOf(mode).list.OldestFirst();
  return WriteSettings(
      [&](core::IniDocument& document) { core::WriteHistory(document, StorageOf(mode), entries); });
}

void TfrmMain::pmnPVListItemClick() {
  RestorePreviewEntry(OperatingMode::Rename, qobject_cast<QAction*>(sender()));
}

void TfrmMain::pmnChgStrPVListItemClick() {
  RestorePreviewEntry(OperatingMode::ChangeStr, qobject_cast<QAction*>(sender()));
}

void TfrmMain::pmnAddStrPVListItemClick() {
  RestorePreviewEntry(OperatingMode::AddStr, qobject_cast<QAction*>(sender()));
}

// Puts the settings of the clicked entry back into the fields. The case options go
// into the combo boxes only; they are written when the user changes them.
void TfrmMain::RestorePreviewEntry(OperatingMode mode, QAction* clicked) {
  if (!clicked) return;
  const PreviewHistoryMenus& history = HistoryOf(mode);
  auto* menu = qobject_cast<QMenu*>(clicked->parent());
  const qsizetype position = menu ? menu->actions().indexOf(clicked) : -1;
  if (position < 0 || position >= static_cast<qsizetype>(history.list.Entries().size())) return;
  const std::optional<core::RestoredPreviewEntry> entry =
      core::ParsePreviewEntry(mode, history.list.Entries()[static_cast<std::size_t>(position)]);
  if (!entry) return;

  const core::PreviewEntryFields& fields = entry->fields;
  if (mode == OperatingMode::Rename) {
    cboKyotsuName->setEditText(ToQString(fields.first));
    cboStartSeqNbr->setEditText(ToQString(fields.second));
    cboKyotsuName2->setEditText(ToQString(fields.third));
  } else {
    const bool replacement = mode == OperatingMode::ChangeStr;
    (replacement ? cboChgStr : cboAddStr)->setEditText(ToQString(fields.first));
    (replacement ? cboChgStr2 : cboAddStr2)->setEditText(ToQString(fields.second));
  }
  chkChgExt->setChecked(fields.extensionOn);
  chkChgExtClick();
  cboChgExt->setEditText(ToQString(fields.newExtension));
  auto select = [](QComboBox* combo, int index) {
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
  };
  select(cboRenameUL, fields.nameCase);
  if (entry->hasExtensionCase) select(cboExtUL, fields.extensionCase);
  RefreshPreview();
}

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
