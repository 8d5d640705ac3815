#include "core/targets/ways_in.h"

#include "core/names/path_rules.h"
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
    if (fileSystem.IsFolder(path)) {
      if (userOrder) continue;
      added.entries.push_back(path);
      added.folders.push_back(path);
    } else if (MatchesExtensionFilter(filter, path)) {
      added.entries.push_back(path);
    }
  }
  return added;
}

TargetsToAdd CommandLineTargets(const std::vector<std::string>& arguments, const FileSystem& fileSystem) {
  TargetsToAdd added;
  added.entries.reserve(arguments.size());
  for (const std::string& argument : arguments) {
    std::string path(TrimBlanks(fileSystem.ToLongPathForm(argument)));
    if (path.empty()) continue;
    if (fileSystem.IsFolder(path)) added.folders.push_back(path);
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
    // Neither a query nor a fragment belongs to a file name.
    line = line.substr(0, line.find_first_of("?#"));
    if (!line.starts_with('/')) continue;
    paths.push_back(PercentDecoded(line));
  }
  return paths;
}

}  // namespace morvane::core
