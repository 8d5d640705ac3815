#include "core/run/waiting_sources.h"

namespace morvane::core {

void WaitingSources::Leave(const FileId& file) {
  const auto found = m_counts.find(file);
  if (found != m_counts.end() && --found->second == 0) m_counts.erase(found);
}

bool WaitingSources::Holds(const FileSystem& fileSystem, std::string_view path) const {
  if (m_counts.empty()) return false;
  const std::optional<FileInfo> info = fileSystem.Stat(path);
  return info && m_counts.contains(IdOf(*info));
}

}  // namespace morvane::core
