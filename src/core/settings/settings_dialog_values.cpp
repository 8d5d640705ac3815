#include "core/settings/settings_dialog_values.h"

#include "core/settings/history.h"
#include "core/settings/settings_keys.h"
#include "core/text/case_conversion.h"
#include "core/text/trim.h"

namespace morvane::core {
namespace {

struct DefaultKeys {
  keys::StringKey text;
  keys::BoolKey enabled;
};

// In DefaultField order, which is also the order of loading.
constexpr std::array<DefaultKeys, kDefaultFieldCount> kDefaultKeys = {{
    {keys::kSettingStartSeqNbr, keys::kSettingStartSeqNbrChk},
    {keys::kSettingKyotsuName, keys::kSettingKyotsuNameChk},
    {keys::kSettingKyotsuName2, keys::kSettingKyotsuName2Chk},
    {keys::kSettingExtension, keys::kSettingExtensionChk},
    {keys::kSettingChgExt, keys::kSettingChgExtChk},
    {keys::kSettingOutputFolder, keys::kSettingOutputFolderChk},
}};

// The order of saving, which differs from the order of loading.
constexpr std::array<DefaultField, kDefaultFieldCount> kSaveOrder = {
    DefaultField::StartNumber, DefaultField::FrontPart, DefaultField::BackPart,
    DefaultField::FileTypes,   DefaultField::Extension, DefaultField::OutputFolder};

}  // namespace

SettingsDialogValues ReadSettingsDialogValues(const IniDocument& document, const CodePage& codePage) {
  SettingsDialogValues values;
  for (std::size_t i = 0; i < kDefaultFieldCount; ++i) {
    values.defaults[i] = {document.Read(kDefaultKeys[i].text), document.Read(kDefaultKeys[i].enabled)};
  }
  values.outputLog = document.Read(keys::kSettingOutputLog);
  values.resultText = document.Read(keys::kSettingResultText);
  values.textViewer = document.Read(keys::kSettingTextViewer);
  for (std::size_t i = 0; i < values.protectBuiltIn.size(); ++i) {
    values.protectBuiltIn[i] = document.Read(keys::kGuaudExtBuiltIn[i]);
  }
  values.userList = document.Read(keys::kGuaudExtUser);
  if (TrimBlanks(values.userList) == HistoryMarker(keys::kGuaudExtUserHistory, codePage))
    values.userList.clear();
  return values;
}

void WriteSettingsDialogValues(IniDocument& document, const SettingsDialogValues& values,
                               const std::vector<std::string>& userListHistory) {
  for (const DefaultField field : kSaveOrder) {
    const DefaultKeys& keys = kDefaultKeys[static_cast<std::size_t>(field)];
    document.Write(keys.text, values.Default(field).text);
    document.Write(keys.enabled, values.Default(field).enabled);
  }
  document.Write(keys::kSettingOutputLog, values.outputLog);
  document.Write(keys::kSettingResultText, values.resultText);
  document.Write(keys::kSettingTextViewer, values.textViewer);
  for (std::size_t i = 0; i < values.protectBuiltIn.size(); ++i) {
    document.Write(keys::kGuaudExtBuiltIn[i], values.protectBuiltIn[i]);
  }
  document.Write(keys::kGuaudExtUser, values.userList);
  WriteHistory(document, keys::kGuaudExtUserHistory, userListHistory);
}

bool UserListHistory::Ignored(std::string_view value) const {
  const std::string_view trimmed = TrimBlanks(value);
  return trimmed.empty() || trimmed == HistoryMarker(keys::kGuaudExtUserHistory, *m_codePage);
}

bool UserListHistory::SameList(std::string_view a, std::string_view b) const {
  return EqualsNoCase(a, b, *m_codePage);
}

void UserListHistory::Merge(std::string_view value) {
  if (Ignored(value)) return;
  for (const std::string& item : m_items) {
    if (SameList(item, value)) return;
  }
  m_items.emplace_back(value);
  if (m_items.size() > kMaxItems) m_items.pop_back();
}

void UserListHistory::PutFirst(std::string_view text) {
  if (Ignored(text)) return;
  std::erase_if(m_items, [&](const std::string& item) { return SameList(item, text); });
  m_items.insert(m_items.begin(), std::string(text));
  if (m_items.size() > kMaxItems) m_items.pop_back();
}

}  // namespace morvane::core
