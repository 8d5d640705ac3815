#include "core/fs/planning_file_system.h"

#include <algorithm>
#include <cerrno>

#include "core/names/path_rules.h"
#include "core/names/wildcard.h"

namespace morvane::core {
namespace {

bool HasNameLongerThan(std::string_view path, std::size_t longest) {
  for (std::size_t start = 0; start <= path.size();) {
    std::size_t end = path.find('/', start);
    if (end == std::string_view::npos) end = path.size();
    if (end - start > longest) return true;
    start = end + 1;
  }
  return false;
}

class KeptNothing : public OutputFile {
 public:
  int Write(std::string_view) override { return 0; }
  int Flush() override { return 0; }
  int Close() override { return 0; }
};

// The patterns a listing of every entry uses.
bool MatchesEveryName(std::string_view pattern) { return pattern == "*" || pattern == "*.*"; }

}  // namespace

std::string_view PlanningFileSystem::FolderOf(std::string_view path) const {
  const std::string_view folder = FolderPartOf(path, PathSyntax::Posix, m_codePage);
  // A bare name lies in the working folder, as the system takes it.
  return folder.empty() ? std::string_view(".") : folder;
}

std::string_view PlanningFileSystem::NameOf(std::string_view path) const {
  return path.substr(LastDelimiter(PathDelimiters(PathSyntax::Posix), path, m_codePage));
}

PlanningFileSystem::Known& PlanningFileSystem::Add(std::string_view path, Known known) const {
  const std::string_view kept = m_paths.Add(path);
  m_met.push_back({kept, known});
  m_known.emplace(kept, static_cast<std::uint32_t>(m_met.size() - 1));
  return m_met.back().known;
}

PlanningFileSystem::Known& PlanningFileSystem::Lookup(std::string_view path) const {
  if (const auto known = m_known.find(path); known != m_known.end()) return m_met[known->second].known;
  // A name a whole listing of an exact-named folder did not show is not there.
  const std::string_view name = NameOf(path);
  const bool unlisted = !m_wholeFolders.empty() && name != "." && name != ".." && !name.empty() &&
                        m_wholeFolders.contains(FolderOf(path));
  const std::optional<FileInfo> onDisk = unlisted ? std::nullopt : ForwardingFileSystem::Stat(path);
  return Add(path, Known{false, onDisk});
}

bool PlanningFileSystem::FolderOfExists(std::string_view path) const {
  const std::string_view folderPath = FolderOf(path);
  if (m_lastFolder == nullptr || folderPath != m_lastFolderPath) {
    m_lastFolder = &Lookup(folderPath);
    m_lastFolderPath.assign(folderPath);
  }
  const std::optional<FileInfo>& folder = m_lastFolder->entry;
  return folder && folder->isFolder;
}

std::optional<FileInfo> PlanningFileSystem::Stat(std::string_view path) const { return Entry(path); }

FsResult PlanningFileSystem::Unreachable(std::string_view path) const {
  if (const auto known = m_known.find(path); known != m_known.end() && m_met[known->second].known.recorded) {
    if (m_met[known->second].known.entry) return {};
    return {FsStatus::NotFound, ENOENT};
  }
  return ForwardingFileSystem::Unreachable(path);
}

bool PlanningFileSystem::IsFolder(std::string_view path) const {
  const std::optional<FileInfo> info = Entry(path);
  return info && info->isFolder;
}

bool PlanningFileSystem::FileExists(std::string_view path) const {
  const std::optional<FileInfo> info = Entry(path);
  return info && !info->isFolder;
}

void PlanningFileSystem::VisitFolder(std::string_view folder, std::string_view pattern,
                                     const std::function<void(const DirectoryEntry&)>& visit) const {
  const std::string prefix = folder.ends_with('/') ? std::string(folder) : std::string(folder) + '/';
  // Only a folder with a name of its own gives its entries paths of their own.
  const bool remember = !folder.empty();
  std::string path = prefix;
  ForwardingFileSystem::VisitFolder(folder, pattern, [&](const DirectoryEntry& entry) {
    path.resize(prefix.size());
    path += entry.name;
    if (remember) {
      // One hash per entry: a folder is listed once or twice in a plan, so the key a
      // second listing builds in vain costs little.
      if (const auto known = m_known.find(path); known == m_known.end()) {
        Add(path, Known{false, entry.info});
      } else {
        Known& met = m_met[known->second].known;
        if (met.recorded) return;
        met.entry = entry.info;
      }
    } else if (const auto known = m_known.find(path);
               known != m_known.end() && m_met[known->second].known.recorded) {
      return;
    }
    visit(entry);
  });
  // What the plan made in the folder comes after what was there, as new entries do, in
  // the order of their paths. They are gathered before any is handed on, since the
  // visitor may ask of paths this file system has not met yet.
  const std::string inFolder = prefix + "x";
  const std::string_view listedFolder = FolderOf(inFolder);
  if (remember && MatchesEveryName(pattern) && ForwardingFileSystem::NamesAreExact(folder)) {
    m_wholeFolders.emplace(listedFolder);
  }
  std::vector<DirectoryEntry> made;
  for (const auto& [madePath, known] : m_met) {
    if (!known.recorded || !known.entry) continue;
    if (FolderOf(madePath) != listedFolder || !MatchesWildcard(pattern, NameOf(madePath), m_codePage))
      continue;
    made.push_back({std::string(NameOf(madePath)), *known.entry});
  }
  std::ranges::sort(made, {}, &DirectoryEntry::name);
  for (const DirectoryEntry& entry : made) visit(entry);
}

FsResult PlanningFileSystem::Rename(std::string_view from, std::string_view to) {
  if (from == to) return {};
  Known& source = Lookup(from);
  if (!source.entry) return {FsStatus::NotFound, ENOENT};
  if (HasNameLongerThan(to, kLongestName)) return {FsStatus::PathTooLong, ENAMETOOLONG};
  if (!FolderOfExists(to)) return {FsStatus::NotFound, ENOENT};
  Known& taken = Lookup(to);
  if (taken.entry) {
    // Only the source itself under another spelling may be renamed onto.
    const bool itself =
        taken.entry->IsSameFileAs(*source.entry) && (source.entry->isFolder || source.entry->linkCount == 1);
    if (!itself) return {FsStatus::AlreadyExists, EEXIST};
  }
  FileInfo moved = *source.entry;
  source = {true, std::nullopt};
  moved.attributes.hidden = NameOf(to).starts_with('.');
  taken = {true, moved};
  m_changed = true;
  return {};
}

FsResult PlanningFileSystem::CopyFile(std::string_view from, std::string_view to, bool replaceExisting) {
  const Known& source = Lookup(from);
  if (!source.entry) return {FsStatus::NotFound, ENOENT};
  if (source.entry->isFolder) return {FsStatus::Failed, EISDIR};
  Known& taken = Lookup(to);
  if (taken.entry) {
    if (taken.entry->IsSameFileAs(*source.entry)) return {FsStatus::SameFile, 0};
    if (!replaceExisting) return {FsStatus::AlreadyExists, EEXIST};
    if (taken.entry->isFolder) return {FsStatus::Failed, EISDIR};
  }
  if (HasNameLongerThan(to, kLongestName)) return {FsStatus::PathTooLong, ENAMETOOLONG};
  if (!FolderOfExists(to)) return {FsStatus::NotFound, ENOENT};
  FileInfo copy = *source.entry;
  copy.inode = m_nextInode++;
  copy.linkCount = 1;
  copy.attributes.hidden = NameOf(to).starts_with('.');
  taken = {true, copy};
  m_changed = true;
  return {};
}

FsResult PlanningFileSystem::CreateFolder(std::string_view path) {
  Known& taken = Lookup(path);
  if (taken.entry) return {FsStatus::AlreadyExists, EEXIST};
  if (HasNameLongerThan(path, kLongestName)) return {FsStatus::PathTooLong, ENAMETOOLONG};
  if (!FolderOfExists(path)) return {FsStatus::NotFound, ENOENT};
  FileInfo folder;
  folder.isFolder = true;
  folder.inode = m_nextInode++;
  folder.linkCount = 2;
  taken = {true, folder};
  m_changed = true;
  return {};
}

FsResult PlanningFileSystem::DeleteFile(std::string_view path) {
  Known& entry = Lookup(path);
  if (!entry.entry) return {FsStatus::NotFound, ENOENT};
  if (entry.entry->isFolder) return {FsStatus::Failed, EISDIR};
  entry = {true, std::nullopt};
  m_changed = true;
  return {};
}

std::string PlanningFileSystem::ReplaceFileAtomically(std::string_view, std::string_view) {
  return "a plan changes no file";
}

OpenedFile PlanningFileSystem::OpenForWriting(std::string_view, WriteStart) {
  return {std::make_unique<KeptNothing>(), 0};
}

}  // namespace morvane::core
