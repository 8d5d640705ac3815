#include "gui/preview_line_part.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include "core/preview/preview_text.h"
#include "core/settings/history.h"
#include "core/settings/settings_keys.h"
#include "gui/combo_items.h"
#include "gui/qt_text.h"

namespace morvane::gui {
namespace {

using core::OperatingMode;

const core::keys::HistoryKey& StorageOf(OperatingMode mode) {
  if (mode == OperatingMode::StringReplacement) return core::keys::kChgStrPreViewList;
  if (mode == OperatingMode::StringAddition) return core::keys::kAddStrPreViewList;
  return core::keys::kCopyFilePreViewList;
}

// A preview text is shown as it is: a '&' is not an access key.
QString MenuCaption(const std::string& entry) {
  const std::vector<std::string> fields = core::SplitPreviewEntry(entry);
  QString caption = fields.empty() ? QString() : ToQString(fields.front());
  return caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

constexpr OperatingMode kHistoryModes[] = {OperatingMode::SequentialRename, OperatingMode::StringReplacement,
                                           OperatingMode::StringAddition};

}  // namespace

PreviewLinePart::PreviewLinePart(const PreviewLineControls& controls, PreviewLineHost& host, QObject* parent)
    : QObject(parent), m_controls(controls), m_host(host) {
  ConnectFields();
}

void PreviewLinePart::ConnectFields() {
  const PreviewLineControls& c = m_controls;
  const auto refresh = [this] { m_host.RefreshPreview(); };
  for (QComboBox* combo :
       {c.frontPart, c.startNumber, c.backPart, c.replaceA, c.replaceB, c.addA, c.addB, c.newExtension}) {
    connect(combo->lineEdit(), &QLineEdit::textEdited, this, refresh);
    connect(combo, &QComboBox::activated, this, refresh);
  }
  connect(c.changeExtension, &QCheckBox::clicked, this, &PreviewLinePart::chkChgExtClick);
  c.line->setTextFormat(Qt::PlainText);
  // The pop-up of the line: the current mode's history.
  c.line->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(c.line, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    Of(m_host.Mode()).menus.popup->popup(m_controls.line->mapToGlobal(at));
  });
}

void PreviewLinePart::chkChgExtClick() {
  // In the extension change mode the new extension is the whole point: always enabled.
  m_controls.newExtension->setEnabled(m_controls.changeExtension->isChecked() ||
                                      m_host.Mode() == OperatingMode::ExtensionChange);
  m_host.RefreshPreview();
}

PreviewLinePart::ModeHistory& PreviewLinePart::Of(OperatingMode mode) {
  if (mode == OperatingMode::StringReplacement) return m_histories[1];
  if (mode == OperatingMode::StringAddition) return m_histories[2];
  return m_histories[0];
}

const PreviewLinePart::ModeHistory& PreviewLinePart::Of(OperatingMode mode) const {
  return const_cast<PreviewLinePart*>(this)->Of(mode);
}

void PreviewLinePart::SetMenus(OperatingMode mode, const PreviewHistoryMenus& menus) {
  Of(mode).menus = menus;
}

void PreviewLinePart::Refresh() {
  const OperatingMode mode = m_host.Mode();
  const bool replacement = mode == OperatingMode::StringReplacement;
  const PreviewLineControls& c = m_controls;
  core::PreviewInputs inputs;
  inputs.front = EditTextBytes(c.frontPart);
  inputs.startNumber = EditTextBytes(c.startNumber);
  inputs.back = EditTextBytes(c.backPart);
  inputs.stringA = EditTextBytes(replacement ? c.replaceA : c.addA);
  inputs.stringB = EditTextBytes(replacement ? c.replaceB : c.addB);
  inputs.nameCase = c.nameCase->currentIndex();
  inputs.extensionOn = c.changeExtension->isChecked();
  inputs.newExtension = EditTextBytes(c.newExtension);
  inputs.extensionCase = c.extensionCase->currentIndex();
  inputs.regex = c.regex->isChecked();
  const core::StoredConversion conversion = m_host.Conversion();
  inputs.conversion = conversion.conversion;
  inputs.convertExtension = conversion.extensionToo;
  // In the modes without a preview the (hidden) line keeps its text.
  const std::optional<std::string> preview = core::ComposePreview(mode, inputs);
  if (!preview) return;
  c.line->setText(ToQString(*preview));
  // The line has a fixed width; the hint shows a longer preview whole.
  c.line->setToolTip(c.line->text());
}

core::PreviewEntryFields PreviewLinePart::CurrentFields(OperatingMode mode) const {
  const PreviewLineControls& c = m_controls;
  core::PreviewEntryFields fields;
  fields.preview = ToBytes(c.line->text());
  if (mode == OperatingMode::SequentialRename) {
    fields.first = EditTextBytes(c.frontPart);
    fields.second = EditTextBytes(c.startNumber);
    fields.third = EditTextBytes(c.backPart);
  } else {
    const bool replacement = mode == OperatingMode::StringReplacement;
    fields.first = EditTextBytes(replacement ? c.replaceA : c.addA);
    fields.second = EditTextBytes(replacement ? c.replaceB : c.addB);
  }
  fields.extensionOn = c.changeExtension->isChecked();
  fields.newExtension = EditTextBytes(c.newExtension);
  fields.nameCase = c.nameCase->currentIndex();
  fields.extensionCase = c.extensionCase->currentIndex();
  return fields;
}

void PreviewLinePart::Record(OperatingMode mode, const core::PreviewEntryFields& fields) {
  if (Of(mode).list.Record(fields.preview, core::ComposePreviewEntry(mode, fields))) RebuildMenus(mode);
}

// Both menus list the entries in the list's order, the placeholder last and hidden
// while there are entries, so that an item's position is its entry's position.
void PreviewLinePart::RebuildMenus(OperatingMode mode) {
  ModeHistory& history = Of(mode);
  for (auto [menu, placeholder] : {std::pair{history.menus.mainMenu, history.menus.mainPlaceholder},
                                   std::pair{history.menus.popup, history.menus.popupPlaceholder}}) {
    for (QAction* item : menu->actions()) {
      if (item != placeholder) {
        menu->removeAction(item);
        delete item;
      }
    }
    for (const std::string& entry : history.list.Entries()) {
      auto* item = new QAction(MenuCaption(entry), menu);
      connect(item, &QAction::triggered, this, [this, mode, item] { RestoreEntry(mode, item); });
      menu->insertAction(placeholder, item);
    }
    placeholder->setVisible(history.list.Entries().empty());
  }
}

void PreviewLinePart::Load(const core::IniDocument& document) {
  for (OperatingMode mode : kHistoryModes) {
    const core::keys::HistoryKey& key = StorageOf(mode);
    // Stored oldest first: each entry read goes to the head, so the newest ends there.
    for (int n = key.first; n <= key.last; ++n) {
      const std::string value = document.ReadString(key.section, core::HistoryKeyName(key.stem, n), "");
      if (value.empty()) break;
      // An entry whose numbers are not numbers (edited by hand) could never be
      // restored; it is left out rather than stopping the start.
      const std::optional<core::RestoredPreviewEntry> entry = core::ParsePreviewEntry(mode, value);
      if (entry) Record(mode, entry->fields);
    }
  }
}

bool PreviewLinePart::Save(OperatingMode mode) {
  const std::vector<std::string> entries = Of(mode).list.OldestFirst();
  return m_host.WriteSettings(
      [&](core::IniDocument& document) { core::WriteHistory(document, StorageOf(mode), entries); });
}

// The case options go into the combo boxes only; they are written when the user changes
// them.
void PreviewLinePart::RestoreEntry(OperatingMode mode, QAction* clicked) {
  if (!clicked) return;
  const ModeHistory& history = Of(mode);
  auto* menu = qobject_cast<QMenu*>(clicked->parent());
  const qsizetype position = menu ? menu->actions().indexOf(clicked) : -1;
  if (position < 0 || position >= static_cast<qsizetype>(history.list.Entries().size())) return;
  const std::optional<core::RestoredPreviewEntry> entry =
      core::ParsePreviewEntry(mode, history.list.Entries()[static_cast<std::size_t>(position)]);
  if (!entry) return;

  const PreviewLineControls& c = m_controls;
  const core::PreviewEntryFields& fields = entry->fields;
  if (mode == OperatingMode::SequentialRename) {
    c.frontPart->setEditText(ToQString(fields.first));
    c.startNumber->setEditText(ToQString(fields.second));
    c.backPart->setEditText(ToQString(fields.third));
  } else {
    const bool replacement = mode == OperatingMode::StringReplacement;
    (replacement ? c.replaceA : c.addA)->setEditText(ToQString(fields.first));
    (replacement ? c.replaceB : c.addB)->setEditText(ToQString(fields.second));
  }
  c.changeExtension->setChecked(fields.extensionOn);
  chkChgExtClick();
  c.newExtension->setEditText(ToQString(fields.newExtension));
  auto select = [](QComboBox* combo, int index) {
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
  };
  select(c.nameCase, fields.nameCase);
  if (entry->hasExtensionCase) select(c.extensionCase, fields.extensionCase);
  Refresh();
}

}  // namespace morvane::gui
