#include "core/fs/folder_files.h"

#include <string>

namespace morvane::core {

void VisitFolderFiles(const FileSystem& fileSystem, std::string_view folder, std::string_view pattern,
                      const std::function<void(std::string_view path, const FileInfo& info)>& visit) {
  // One path, its name part written again for every file.
  std::string path = std::string(folder) + '/';
  const std::size_t prefixSize = path.size();
  fileSystem.VisitFolder(folder.empty() ? "/" : folder, pattern, [&](const DirectoryEntry& entry) {
    if (entry.info.isFolder) return;
    path.resize(prefixSize);
    path += entry.name;
    visit(path, entry.info);
  });
}

}  // namespace morvane::core
