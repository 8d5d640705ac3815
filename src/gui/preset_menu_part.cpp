#include "gui/preset_menu_part.h"

#include <QInputDialog>
#include <QMenu>

#include "core/presets/preset_request.h"
#include "gui/message_boxes.h"
#include "gui/qt_text.h"

namespace morvane::gui {
namespace {

QString NameFaultText(core::PresetFolder::NameFault fault) {
  switch (fault) {
    case core::PresetFolder::NameFault::Empty:
      return QStringLiteral("名前が空です。");
    case core::PresetFolder::NameFault::LeadingDot:
      return QStringLiteral("名前をピリオドで始めることはできません。");
    case core::PresetFolder::NameFault::Slash:
      return QStringLiteral("名前に / は使えません。");
    case core::PresetFolder::NameFault::Control:
      return QStringLiteral("名前に制御文字は使えません。");
    case core::PresetFolder::NameFault::TooLong:
      return QStringLiteral("名前が長すぎます。");
  }
  return {};
}

QString FaultText(const core::PresetFault& fault, const QString& file) {
  using Kind = core::PresetFault::Kind;
  const QString option = ToQString(fault.option);
  switch (fault.kind) {
    case Kind::Missing:
      return QStringLiteral("%1 がありません。").arg(file);
    case Kind::Unreadable:
      return QStringLiteral("%1 を読み込めません。").arg(file);
    case Kind::NoCommand:
      return QStringLiteral("%1 に command= の行がありません。").arg(file);
    case Kind::UnknownCommand:
      return QStringLiteral("%1 の command=%2 は使えるコマンドではありません。")
          .arg(file, ToQString(fault.value));
    case Kind::UnknownOption:
      return QStringLiteral("%1 の %2 はこのコマンドのオプションではありません。").arg(file, option);
    case Kind::RepeatedOption:
      return QStringLiteral("%1 に %2 が二度あります。").arg(file, option);
    case Kind::BadValue: {
      QStringList allowed;
      for (const std::string_view word : fault.allowed) allowed << ToQString(word);
      return QStringLiteral("%1 の %2=%3 は使えない値です（%4 のどれか）。")
          .arg(file, option, ToQString(fault.value), allowed.join(QStringLiteral(", ")));
    }
    case Kind::BothDestinations:
      return QStringLiteral("%1 に in-place と output の両方があります。").arg(file);
  }
  return {};
}

// A name as a menu item shows it: '&' stays a character, not a mnemonic.
QString ItemText(const std::string& name) {
  return ToQString(name).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

PresetMenuPart::PresetMenuPart(PresetHost& host, core::FileSystem& fileSystem,
                               const std::string& programFolder, QMenu* menu, QAction* before,
                               QWidget* window)
    : QObject(window), m_host(host), m_presets(fileSystem, programFolder), m_window(window) {
  m_menu = new QMenu(QStringLiteral("プリセット(&P)"), window);
  m_menu->setObjectName(QStringLiteral("mnuPreset"));
  m_deletion = new QMenu(QStringLiteral("削除(&D)"), m_menu);
  m_deletion->setObjectName(QStringLiteral("mnuPresetDelete"));
  menu->insertMenu(before, m_menu);
  connect(m_menu, &QMenu::aboutToShow, this, &PresetMenuPart::Rebuild);
  Rebuild();
}

void PresetMenuPart::Rebuild() {
  m_menu->clear();
  QAction* save =
      m_menu->addAction(QStringLiteral("現在の設定を保存(&S)..."), this, &PresetMenuPart::SaveCurrent);
  save->setObjectName(QStringLiteral("mnuPresetSave"));
  m_menu->addSeparator();
  const std::vector<std::string> names = m_presets.Names();
  if (names.empty())
    m_menu->addAction(QStringLiteral("（保存されたプリセットはありません）"))->setEnabled(false);
  for (const std::string& name : names)
    m_menu->addAction(ItemText(name), this, [this, name] { Apply(name); });
  m_menu->addSeparator();
  m_deletion->clear();
  m_deletion->setEnabled(!names.empty());
  for (const std::string& name : names)
    m_deletion->addAction(ItemText(name), this, [this, name] { Delete(name); });
  m_menu->addMenu(m_deletion);
}

std::optional<QString> PresetMenuPart::AskName(const QStringList& names) {
  if (m_prompt) return m_prompt(names);
  bool accepted = false;
  const QString name = QInputDialog::getItem(m_window, QStringLiteral("プリセットの保存"),
                                             QStringLiteral("プリセット名："), names, -1, true, &accepted);
  return accepted ? std::optional<QString>(name) : std::nullopt;
}

void PresetMenuPart::SaveCurrent() {
  QStringList names;
  for (const std::string& name : m_presets.Names()) names << ToQString(name);
  const std::optional<QString> typed = AskName(names);
  if (!typed) return;
  const QString shown = typed->trimmed();
  const std::string name = ToBytes(shown);
  if (const auto fault = core::PresetFolder::FaultOfName(name)) {
    m_host.Messages().Show(
        MessageKind::Error,
        QStringLiteral("プリセット名「%1」は使えません。%2").arg(shown, NameFaultText(*fault)));
    return;
  }
  if (m_presets.Has(name) &&
      m_host.Messages().Show(MessageKind::Confirmation,
                             QStringLiteral("プリセット「%1」は既にあります。上書きしますか？").arg(shown),
                             MessageButtons::YesNo) != MessageAnswer::Yes) {
    return;
  }
  const core::Preset preset = core::PresetOfRequest(m_host.StartRequestNow());
  if (const std::string failure = m_presets.Save(name, preset); !failure.empty()) {
    m_host.Messages().Show(MessageKind::Error,
                           QStringLiteral("%1 に書き込めません").arg(ToQString(m_presets.FileOf(name))));
  }
}

void PresetMenuPart::Apply(const std::string& name) {
  const core::PresetReading reading = m_presets.Load(name);
  if (!reading.preset) {
    m_host.Messages().Show(
        MessageKind::Error,
        QStringLiteral("プリセット「%1」は使えません。\n%2")
            .arg(ToQString(name), FaultText(reading.fault, ToQString(m_presets.FileOf(name)))));
    return;
  }
  m_host.ApplyPresetFields(core::RequestOfPreset(*reading.preset));
}

void PresetMenuPart::Delete(const std::string& name) {
  if (m_host.Messages().Show(MessageKind::Confirmation,
                             QStringLiteral("プリセット「%1」を削除しますか？").arg(ToQString(name)),
                             MessageButtons::YesNo) != MessageAnswer::Yes) {
    return;
  }
  if (const std::string failure = m_presets.Delete(name); !failure.empty()) {
    m_host.Messages().Show(
        MessageKind::Error,
        QStringLiteral("プリセット「%1」を削除できません。\n%2").arg(ToQString(name), ToQString(failure)));
  }
}

}  // namespace morvane::gui
