#include "core/fs/planning_file_system.h"

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

}  // namespace

std::string PlanningFileSystem::FolderOf(std::string_view path) const {
  std::string folder = FolderPart(path, PathSyntax::Posix, m_codePage);
  // A bare name lies in the working folder, as the system takes it.
  return folder.empty() ? std::string(".") : folder;
}

std::string PlanningFileSystem::NameOf(std::string_view path) const {
  return ExtractFileName(path, PathSyntax::Posix, m_codePage);
}

std::optional<FileInfo> PlanningFileSystem::Entry(std::string_view path) const {
  if (const auto made = m_made.find(path); made != m_made.end()) return made->second;
  if (m_gone.contains(path)) return std::nullopt;
  return ForwardingFileSystem::Stat(path);
}

bool PlanningFileSystem::FolderOfExists(std::string_view path) const {
  const std::optional<FileInfo> folder = Entry(FolderOf(path));
  return folder && folder->isFolder;
}

void PlanningFileSystem::Put(std::string_view path, const FileInfo& info) {
  m_gone.erase(std::string(path));
  m_made.insert_or_assign(std::string(path), info);
}

void PlanningFileSystem::Remove(std::string_view path) {
  if (const auto made = m_made.find(path); made != m_made.end()) m_made.erase(made);
  m_gone.insert(std::string(path));
}

std::optional<FileInfo> PlanningFileSystem::Stat(std::string_view path) const { return Entry(path); }

FsResult PlanningFileSystem::Unreachable(std::string_view path) const {
  if (m_made.contains(path)) return {};
  if (m_gone.contains(path)) return {FsStatus::NotFound, ENOENT};
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

std::vector<DirectoryEntry> PlanningFileSystem::ListFolder(std::string_view folder,
                                                           std::string_view pattern) const {
  std::vector<DirectoryEntry> listed;
  const std::string prefix = folder.ends_with('/') ? std::string(folder) : std::string(folder) + '/';
  for (DirectoryEntry& entry : ForwardingFileSystem::ListFolder(folder, pattern)) {
    const std::string path = prefix + entry.name;
    if (!m_gone.contains(path) && !m_made.contains(path)) listed.push_back(std::move(entry));
  }
  // What the plan made in the folder comes after what was there, as new entries do.
  const std::string listedFolder = FolderOf(prefix + "x");
  for (const auto& [path, info] : m_made) {
    if (FolderOf(path) != listedFolder || !MatchesWildcard(pattern, NameOf(path), m_codePage)) continue;
    listed.push_back({NameOf(path), info});
  }
  return listed;
}

FsResult PlanningFileSystem::Rename(std::string_view from, std::string_view to) {
  if (from == to) return {};
  const std::optional<FileInfo> source = Entry(from);
  if (!source) return {FsStatus::NotFound, ENOENT};
  if (HasNameLongerThan(to, kLongestName)) return {FsStatus::PathTooLong, ENAMETOOLONG};
  if (!FolderOfExists(to)) return {FsStatus::NotFound, ENOENT};
  if (const std::optional<FileInfo> taken = Entry(to)) {
    // Only the source itself under another spelling may be renamed onto.
    const bool itself = taken->IsSameFileAs(*source) && (source->isFolder || source->linkCount == 1);
    if (!itself) return {FsStatus::AlreadyExists, EEXIST};
  }
  FileInfo moved = *source;
  Remove(from);
  moved.attributes.hidden = NameOf(to).starts_with('.');
  Put(to, moved);
  return {};
}

FsResult PlanningFileSystem::CopyFile(std::string_view from, std::string_view to, bool replaceExisting) {
  const std::optional<FileInfo> source = Entry(from);
  if (!source) return {FsStatus::NotFound, ENOENT};
  if (source->isFolder) return {FsStatus::Failed, EISDIR};
  if (const std::optional<FileInfo> taken = Entry(to)) {
    if (taken->IsSameFileAs(*source)) return {FsStatus::SameFile, 0};
    if (!replaceExisting) return {FsStatus::AlreadyExists, EEXIST};
    if (taken->isFolder) return {FsStatus::Failed, EISDIR};
  }
  if (HasNameLongerThan(to, kLongestName)) return {FsStatus::PathTooLong, ENAMETOOLONG};
  if (!FolderOfExists(to)) return {FsStatus::NotFound, ENOENT};
  FileInfo copy = *source;
  copy.inode = m_nextInode++;
  copy.linkCount = 1;
  copy.attributes.hidden = NameOf(to).starts_with('.');
  Put(to, copy);
  return {};
}

FsResult PlanningFileSystem::CreateFolder(std::string_view path) {
  if (Entry(path)) return {FsStatus::AlreadyExists, EEXIST};
  if (HasNameLongerThan(path, kLongestName)) return {FsStatus::PathTooLong, ENAMETOOLONG};
  if (!FolderOfExists(path)) return {FsStatus::NotFound, ENOENT};
  FileInfo folder;
  folder.isFolder = true;
  folder.inode = m_nextInode++;
  folder.linkCount = 2;
  Put(path, folder);
  return {};
}

FsResult PlanningFileSystem::DeleteFile(std::string_view path) {
  const std::optional<FileInfo> entry = Entry(path);
  if (!entry) return {FsStatus::NotFound, ENOENT};
  if (entry->isFolder) return {FsStatus::Failed, EISDIR};
  Remove(path);
  return {};
}

std::string PlanningFileSystem::ReplaceFileAtomically(std::string_view, std::string_view) {
  return "a plan changes no file";
}

OpenedFile PlanningFileSystem::OpenForWriting(std::string_view, WriteStart) {
  return {std::make_unique<KeptNothing>(), 0};
}

}  // namespace morvane::core
