#pragma once

#include <string_view>
#include <unordered_map>

#include "core/fs/file_id.h"
#include "core/fs/file_system.h"

namespace morvane::core {

// The sources of a run that have not had their turn yet, counted per file. An overwrite
// must never destroy one of them (copying into a folder that is also a source folder).
class WaitingSources {
 public:
  void Add(const FileId& file) { ++m_counts[file]; }
  // The file's turn has come.
  void Leave(const FileId& file);
  // True when path names a file that is still waiting.
  bool Holds(const FileSystem& fileSystem, std::string_view path) const;
  void Clear() { m_counts.clear(); }

 private:
  std::unordered_map<FileId, int, FileIdHash> m_counts;
};

}  // namespace morvane::core
