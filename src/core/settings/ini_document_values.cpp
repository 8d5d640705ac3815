// The typed reads and writes of IniDocument: the settings file's rules for strings,
// integers and booleans on top of the raw Get and Set.
#include "core/settings/ini_document.h"
#include "core/settings/ini_value.h"

namespace morvane::core {

std::string IniDocument::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
  const std::optional<std::string> value = Get(section, key);
  const std::string_view text = value ? std::string_view(*value) : defaultValue;
  return std::string(m_codePage->CutAtCharBoundary(text, kMaxIniStringBytes));
}

int IniDocument::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
  const std::optional<std::string> value = Get(section, key);
  if (!value) return defaultValue;
  return ParseIniInteger(*value).value_or(defaultValue);
}

bool IniDocument::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
  const std::optional<std::string> value = Get(section, key);
  if (!value) return defaultValue;
  const std::optional<int> number = ParseIniInteger(*value);
  return number ? *number != 0 : defaultValue;
}

void IniDocument::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  Set(section, key, value);
}

void IniDocument::WriteInteger(std::string_view section, std::string_view key, int value) {
  Set(section, key, FormatIniInteger(value));
}

void IniDocument::WriteBool(std::string_view section, std::string_view key, bool value) {
  Set(section, key, FormatIniBool(value));
}

std::string IniDocument::Read(const keys::StringKey& key) const {
  return ReadString(key.section, key.name, key.defaultValue);
}

int IniDocument::Read(const keys::IntKey& key) const {
  return ReadInteger(key.section, key.name, key.defaultValue);
}

bool IniDocument::Read(const keys::BoolKey& key) const {
  return ReadBool(key.section, key.name, key.defaultValue);
}

void IniDocument::Write(const keys::StringKey& key, std::string_view value) {
  WriteString(key.section, key.name, value);
}

void IniDocument::Write(const keys::IntKey& key, int value) { WriteInteger(key.section, key.name, value); }

void IniDocument::Write(const keys::BoolKey& key, bool value) { WriteBool(key.section, key.name, value); }

}  // namespace morvane::core
