#include "core/targets/ways_in.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

#include "core/names/path_rules.h"
#include "core/targets/status_texts.h"
#include "core/text/case_conversion.h"
#include "core/text/trim.h"

namespace morvane::core {

TypedPath ClassifyTypedPath(std::string_view text, const FileSystem& fileSystem,
                            const ExtensionFilter& filter, const ProtectedExtensions& protectedExtensions,
                            bool userOrder) {
  if (text.empty()) return TypedPath::Empty;
  if (fileSystem.FileExists(text)) {
    if (!MatchesExtensionFilter(filter, text)) return TypedPath::NotInFilter;
    if (IsProtectedExtension(protectedExtensions, ExtractFileExt(text))) return TypedPath::Protected;
    return TypedPath::File;
  }
  if (fileSystem.IsFolder(text)) return userOrder ? TypedPath::IgnoredFolder : TypedPath::Folder;
  return TypedPath::Missing;
}

TargetsToAdd SortDroppedPaths(const std::vector<std::string>& paths, const FileSystem& fileSystem,
                              const ExtensionFilter& filter, bool userOrder) {
  TargetsToAdd added;
  for (const std::string& path : paths) {
    const std::optional<FileInfo> info = fileSystem.Stat(path);
    if (info && info->isFolder) {
      if (userOrder) continue;
      added.entries.push_back(path);
      added.folders.push_back(path);
    } else if (MatchesExtensionFilter(filter, path)) {
      added.entries.push_back(path);
      added.fileBytes += FileBytesOf(path, info);
    }
  }
  return added;
}

namespace {

// FileSystem::ToLongPathForm for many paths, with the folders above each path looked up
// once: the long form of a path is its folder's long form joined to the name the folder
// lists. A folder lists a name exactly as it was found unless it ignores case; in such a
// folder (found once per folder, by a name whose other spelling is the same entry) each
// path is looked up as a whole, so the results are always those of ToLongPathForm.
class LongPathForms {
 public:
  LongPathForms(const FileSystem& fileSystem, const CodePage& codePage)
      : m_fileSystem(fileSystem), m_codePage(codePage) {}

  // The long form of path and what it names, or nothing when it is not found.
  std::optional<std::pair<std::string, FileInfo>> Of(std::string path) {
    std::optional<FileInfo> info = m_fileSystem.Stat(path);
    if (!info) return std::nullopt;
    while (info->isFolder && path.size() > 1 && EndsWithSeparator(path, PathSyntax::Posix, m_codePage))
      path.pop_back();
    const std::string name = ExtractFileName(path, PathSyntax::Posix, m_codePage);
    // Hidden names, "." and ".." are never found.
    if (name.empty() || name.starts_with('.')) return std::nullopt;
    const std::string folder = FolderPart(path, PathSyntax::Posix, m_codePage);
    if (IgnoresCase(folder, path, name, *info)) {
      std::string longForm = m_fileSystem.ToLongPathForm(path);
      if (longForm.empty()) return std::nullopt;
      return std::pair{std::move(longForm), *info};
    }
    return std::pair{JoinPath(FolderForm(folder), name, PathSyntax::Posix, m_codePage), *info};
  }

 private:
  // Whether folder ignores case, decided by the first name in it that has another
  // spelling: that spelling names the same entry only where case is ignored.
  bool IgnoresCase(const std::string& folder, std::string_view path, const std::string& name,
                   const FileInfo& info) {
    if (const auto known = m_ignoresCase.find(folder); known != m_ignoresCase.end()) return known->second;
    const std::string upper = UpperCaseSjis(name, m_codePage);
    const std::string other = upper != name ? upper : LowerCaseSjis(name, m_codePage);
    if (other == name) return false;  // undecided: no letters
    const std::optional<FileInfo> otherInfo =
        m_fileSystem.Stat(std::string(path.substr(0, path.size() - name.size())) + other);
    const bool ignoresCase = otherInfo && otherInfo->IsSameFileAs(info);
    m_ignoresCase.emplace(folder, ignoresCase);
    return ignoresCase;
  }

  // The folder's long form, or the folder as written where it is not found (the root,
  // "", a hidden folder): there the lookup of a path inside it stops.
  const std::string& FolderForm(const std::string& folder) {
    auto found = m_folders.find(folder);
    if (found == m_folders.end()) {
      std::string longForm = m_fileSystem.ToLongPathForm(folder);
      if (longForm.empty()) longForm = folder;
      found = m_folders.emplace(folder, std::move(longForm)).first;
    }
    return found->second;
  }

  const FileSystem& m_fileSystem;
  const CodePage& m_codePage;
  std::unordered_map<std::string, std::string> m_folders;
  std::unordered_map<std::string, bool> m_ignoresCase;
};

}  // namespace

TargetsToAdd CommandLineTargets(const std::vector<std::string>& arguments, const FileSystem& fileSystem,
                                const CodePage& codePage) {
  TargetsToAdd added;
  added.entries.reserve(arguments.size());
  LongPathForms longForms(fileSystem, codePage);
  for (const std::string& argument : arguments) {
    const auto found = longForms.Of(argument);
    if (!found) continue;
    std::string path(TrimBlanks(found->first));
    if (path.empty()) continue;
    // Blanks trimmed from the long form can make it another path: ask again.
    const std::optional<FileInfo> info =
        path.size() == found->first.size() ? std::optional(found->second) : fileSystem.Stat(path);
    if (info && info->isFolder) added.folders.push_back(path);
    added.fileBytes += FileBytesOf(path, info);
    added.entries.push_back(std::move(path));
  }
  return added;
}

std::string FileDialogFilter(std::string_view fieldText, const CodePage& codePage) {
  if (fieldText.empty() || fieldText == AllFilesText(codePage)) {
    return codePage.FromUtf8("すべてのファイル (*.*)|*.*");
  }
  std::string pattern;
  const ExtensionFilter filter = BuildExtensionFilter(fieldText, codePage);
  for (const std::string& word : filter.Words()) {
    if (!pattern.empty()) pattern += ';';
    pattern += "*." + word;
  }
  return codePage.FromUtf8("ユーザー設定 (") + pattern + ")|" + pattern;
}

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string PercentDecoded(std::string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 && HexValue(text[i + 2]) >= 0) {
      bytes += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
      i += 2;
    } else {
      bytes += text[i];
    }
  }
  return bytes;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != prefix[i]) return false;
  }
  return true;
}

}  // namespace

std::vector<std::string> LocalPathsOfUriList(std::string_view uriList, std::string_view hostName) {
  std::vector<std::string> paths;
  while (!uriList.empty()) {
    const std::size_t end = uriList.find('\n');
    std::string_view line = uriList.substr(0, end);
    uriList = end == std::string_view::npos ? std::string_view() : uriList.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#' || !StartsWithNoCase(line, "file:")) continue;
    line.remove_prefix(5);
    if (line.starts_with("//")) {
      line.remove_prefix(2);
      const std::size_t slash = line.find('/');
      if (slash == std::string_view::npos) continue;
      const std::string_view host = line.substr(0, slash);
      if (!host.empty() && host != "localhost" && host != hostName) continue;
      line.remove_prefix(slash);
    }
    // Neither a query nor a fragment belongs to a file name. (Two searches for one
    // character each: find_first_of searches the set once for every byte of the line.)
    line = line.substr(0, std::min(line.find('?'), line.find('#')));
    if (!line.starts_with('/')) continue;
    paths.push_back(PercentDecoded(line));
  }
  return paths;
}

}  // namespace morvane::core
