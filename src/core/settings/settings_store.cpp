#include "core/settings/settings_store.h"

#include <utility>

namespace morvane::core {

SettingsStore::SettingsStore(std::string path, const CodePage& codePage, FileSystem& fileSystem)
    : m_path(std::move(path)), m_codePage(&codePage), m_fileSystem(&fileSystem) {}

IniDocument SettingsStore::Load() const {
  const FileReadResult file = m_fileSystem->ReadWholeFile(m_path);
  return IniDocument::Parse(file.bytes, *m_codePage);
}

void SettingsStore::Update(const std::function<void(IniDocument&)>& edit) {
  const FileReadResult file = m_fileSystem->ReadWholeFile(m_path);
  if (file.status == FileReadStatus::Unreadable) {
    throw SettingsWriteError(m_path, "the existing file cannot be read", *m_codePage);
  }
  IniDocument document = IniDocument::Parse(file.bytes, *m_codePage);
  edit(document);
  const std::string bytes = document.Serialize();
  // Nothing to do when nothing changed; this also keeps an erase on a missing file from
  // creating an empty one.
  if (bytes == file.bytes) return;
  const std::string failure = m_fileSystem->ReplaceFileAtomically(m_path, bytes);
  if (!failure.empty()) throw SettingsWriteError(m_path, failure, *m_codePage);
}

}  // namespace morvane::core
