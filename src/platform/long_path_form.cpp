#include "platform/long_path_form.h"

#include <dirent.h>
#include <sys/stat.h>

#include <optional>

#include "core/names/path_rules.h"
#include "core/text/case_conversion.h"
#include "platform/at_path.h"
#include "platform/file_info.h"

namespace morvane::platform {
namespace {

using core::PathSyntax;

bool IsFolderPath(std::string_view path) {
  struct stat status {};
  return PathStatus(path, status, Links::Follow) == 0 && S_ISDIR(status.st_mode);
}

// The entry of folder named name byte for byte, else the first one equal to it ignoring
// case; nothing when the folder cannot be read or holds neither.
std::optional<std::string> NameAsListed(const std::string& folder, std::string_view name,
                                        const core::CodePage& codePage) {
  DIR* dir = OpenFolder(folder.empty() ? std::string_view(".") : std::string_view(folder));
  if (dir == nullptr) return std::nullopt;
  std::optional<std::string> sameIgnoringCase;
  while (const dirent* entry = readdir(dir)) {
    const std::string_view listed(entry->d_name);
    if (listed == name) {
      sameIgnoringCase = std::string(listed);
      break;
    }
    if (!sameIgnoringCase && core::EqualsNoCase(listed, name, codePage))
      sameIgnoringCase = std::string(listed);
  }
  closedir(dir);
  return sameIgnoringCase;
}

// The name under which path's folder lists its last component, when that exists and is
// a folder (asFolder) or not a folder; hidden names are never found.
std::optional<std::string> LookUp(std::string_view path, bool asFolder, const core::CodePage& codePage) {
  const std::string name = core::ExtractFileName(path, PathSyntax::Posix, codePage);
  // A leading dot also covers "." and "..", which name no entry of their own.
  if (name.empty() || name.starts_with('.')) return std::nullopt;
  struct stat status {};
  if (PathStatus(path, status, Links::DoNotFollow) != 0) return std::nullopt;
  if (IsFolderPath(path) != asFolder) return std::nullopt;

  // Where another spelling of the name is not the same entry, the folder is case
  // sensitive and lists the name exactly as it was found; only otherwise is the folder
  // read, which keeps a path in a huge folder cheap.
  const std::string upper = core::UpperCaseSjis(name, codePage);
  const std::string otherSpelling = upper != name ? upper : core::LowerCaseSjis(name, codePage);
  if (otherSpelling == name) return name;
  std::string otherPath(path.substr(0, path.size() - name.size()));
  otherPath += otherSpelling;
  struct stat otherStatus {};
  if (PathStatus(otherPath, otherStatus, Links::DoNotFollow) != 0 || !IsSameEntry(status, otherStatus)) {
    return name;
  }
  // The entry exists; a folder that cannot be read (or folds letters we do not) keeps the
  // name as written.
  return NameAsListed(core::FolderPart(path, PathSyntax::Posix, codePage), name, codePage).value_or(name);
}

}  // namespace

std::string LongPathForm(std::string_view path, const core::CodePage& codePage) {
  std::string current(path);
  const bool isFolder = IsFolderPath(current);
  // Only a folder may end in a slash; the system finds no file "name.txt/".
  while (isFolder && current.size() > 1 && core::EndsWithSeparator(current, PathSyntax::Posix, codePage)) {
    current.pop_back();
  }

  std::optional<std::string> found = LookUp(current, isFolder, codePage);
  if (!found) return {};
  std::string result = std::move(*found);
  for (;;) {
    current = core::FolderPart(current, PathSyntax::Posix, codePage);
    found = LookUp(current, true, codePage);
    if (!found) break;
    *found += '/';
    *found += result;
    result = std::move(*found);
  }
  return core::JoinPath(current, result, PathSyntax::Posix, codePage);
}

}  // namespace morvane::platform
