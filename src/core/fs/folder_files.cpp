#include "core/fs/folder_files.h"

#include <string>

#include "core/names/extension_filter.h"
#include "core/names/path_rules.h"
#include "core/text/canonical_form.h"
#include "core/text/unicode_text.h"

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

void VisitFolderFilesOfType(const FileSystem& fileSystem, std::string_view folder, std::string_view word,
                            const CodePage& codePage,
                            const std::function<void(std::string_view path, const FileInfo& info)>& visit) {
  if (codePage.Kind() != CodePageKind::Utf8 || IsAscii(word)) {
    VisitFolderFiles(fileSystem, folder, EnumerationPattern(word), visit);
    return;
  }
  // The listing's wildcard compares characters as they are written; the whole folder is
  // listed and each extension compared in its canonical form.
  const std::string wanted = CanonicalCaseBlindForm("." + std::string(word), codePage);
  VisitFolderFiles(
      fileSystem, folder, EnumerationPattern("*"), [&](std::string_view path, const FileInfo& info) {
        if (CanonicalCaseBlindForm(ExtractFileExt(path, PathSyntax::Posix, codePage), codePage) == wanted)
          visit(path, info);
      });
}

}  // namespace morvane::core
