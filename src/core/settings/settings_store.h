#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/fs/file_system.h"
#include "core/settings/ini_document.h"
#include "core/settings/settings_keys.h"
#include "core/settings/settings_write_error.h"
#include "core/text/code_page.h"

namespace morvane::core {

// The settings file at one path, read and written through a file system. Nothing is
// cached: every call reads the whole file, acts and writes it back, so a read always sees
// the last write, including edits made by hand.
//
// Reads never fail: a missing or unreadable file, section or key gives the default, and
// lines the store does not understand are skipped (see IniDocument). Reads never create
// the file. Every write replaces the file atomically (see FileSystem::ReplaceFileAtomically) and
// creates it when it is missing; a write that fails throws SettingsWriteError and leaves
// the file as it was.
class SettingsStore {
 public:
  // path: the settings file's path bytes; codePage: the code page of its text;
  // fileSystem: what reads and writes it, which must outlive the store.
  SettingsStore(std::string path, const CodePage& codePage, FileSystem& fileSystem);

  const std::string& Path() const { return m_path; }
  const CodePage& GetCodePage() const { return *m_codePage; }

  // The whole file, for many reads from one opening. A missing or unreadable file gives
  // an empty document.
  IniDocument Load() const;

  // One read-modify-write for a batch of changes: loads the file, lets edit change the
  // document and writes it back. Throws SettingsWriteError (before edit runs) when the
  // file exists but cannot be read, since writing back would lose its keys; throws it
  // too when the write fails. When the edit leaves the bytes as they were, nothing is
  // written (so an edit of a missing file that adds nothing does not create it). An
  // exception from edit leaves the file untouched.
  void Update(const std::function<void(IniDocument&)>& edit);

  // A key of the key table, with the table's default, on a fresh opening of the file.
  // The value types are IniDocument's, which refuses silent conversions (a text literal
  // to bool, a bool to int).
  template <typename Key>
  auto Read(const Key& key) const {
    return Load().Read(key);
  }
  template <typename Key, typename Value>
  void Write(const Key& key, const Value& value) {
    Update([&](IniDocument& document) { document.Write(key, value); });
  }

 private:
  std::string m_path;
  const CodePage* m_codePage;
  FileSystem* m_fileSystem;
};

}  // namespace morvane::core
