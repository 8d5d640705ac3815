#include "core/presets/preset_folder.h"

#include <algorithm>
#include <system_error>

namespace morvane::core {
namespace {

constexpr std::string_view kExtension = ".ini";
constexpr std::size_t kMaxFileNameBytes = 255;

std::string ErrorText(const FsResult& result) {
  if (result.systemError != 0) return std::generic_category().message(result.systemError);
  return result.status == FsStatus::NotFound ? "not found" : "failed";
}

}  // namespace

PresetFolder::PresetFolder(FileSystem& fileSystem, std::string_view programFolder)
    : m_fileSystem(fileSystem), m_path(programFolder) {
  if (!m_path.ends_with('/')) m_path += '/';
  m_path += "Presets";
}

std::string PresetFolder::FileOf(std::string_view name) const {
  return m_path + "/" + std::string(name) + std::string(kExtension);
}

std::optional<PresetFolder::NameFault> PresetFolder::FaultOfName(std::string_view name) {
  if (name.empty()) return NameFault::Empty;
  if (name.starts_with('.')) return NameFault::LeadingDot;
  if (name.find('/') != std::string_view::npos) return NameFault::Slash;
  const auto control = [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; };
  if (std::any_of(name.begin(), name.end(), control)) return NameFault::Control;
  if (name.size() + kExtension.size() > kMaxFileNameBytes) return NameFault::TooLong;
  return std::nullopt;
}

std::vector<std::string> PresetFolder::Names() const {
  std::vector<std::string> names;
  m_fileSystem.VisitFolder(m_path, "*", [&names](const DirectoryEntry& entry) {
    const std::string_view name = entry.name;
    if (entry.info.isFolder || !name.ends_with(kExtension)) return;
    const std::string_view stem = name.substr(0, name.size() - kExtension.size());
    if (!FaultOfName(stem)) names.emplace_back(stem);
  });
  std::sort(names.begin(), names.end());
  return names;
}

bool PresetFolder::Has(std::string_view name) const {
  const std::optional<FileInfo> info = m_fileSystem.Stat(FileOf(name));
  return info.has_value() && !info->isFolder;
}

PresetReading PresetFolder::Load(std::string_view name) const {
  const FileReadResult read = m_fileSystem.ReadWholeFile(FileOf(name));
  if (read.status != FileReadStatus::Read) {
    PresetReading reading;
    reading.fault.kind =
        read.status == FileReadStatus::Missing ? PresetFault::Kind::Missing : PresetFault::Kind::Unreadable;
    return reading;
  }
  return ReadPreset(read.bytes);
}

std::string PresetFolder::Save(std::string_view name, const Preset& preset) {
  if (!m_fileSystem.IsFolder(m_path)) {
    const FsResult made = m_fileSystem.CreatePrivateFolder(m_path);
    if (!made.Ok() && !m_fileSystem.IsFolder(m_path)) return m_path + ": " + ErrorText(made);
  }
  const std::string path = FileOf(name);
  const std::string failure = m_fileSystem.ReplaceFileAtomically(path, PresetFileBytes(preset));
  return failure.empty() ? "" : path + ": " + failure;
}

std::string PresetFolder::Delete(std::string_view name) {
  const std::string path = FileOf(name);
  const FsResult deleted = m_fileSystem.DeleteFile(path);
  return deleted.Ok() ? "" : path + ": " + ErrorText(deleted);
}

}  // namespace morvane::core
