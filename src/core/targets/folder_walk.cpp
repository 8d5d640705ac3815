#include "core/targets/folder_walk.h"

#include <set>
#include <utility>
#include <vector>

#include "core/names/path_rules.h"

namespace morvane::core {
namespace {

using FolderId = std::pair<std::uint64_t, std::uint64_t>;

FolderId IdOf(const FileInfo& info) { return {info.device, info.inode}; }

// One folder being listed: its path and the subfolders not yet visited.
struct Frame {
  std::string path;
  std::vector<DirectoryEntry> entries;
  std::size_t next = 0;
};

Frame OpenFrame(const FileSystem& fileSystem, std::string path) {
  Frame frame{std::move(path), {}, 0};
  frame.entries = fileSystem.ListFolder(frame.path.empty() ? "/" : frame.path, "*.*");
  return frame;
}

}  // namespace

void WalkSubfolders(const FileSystem& fileSystem, std::string_view folder, const FolderFound& found,
                    const CodePage& codePage) {
  std::string root(folder);
  if (EndsWithSeparator(root, PathSyntax::Posix, codePage)) root.pop_back();

  std::set<FolderId> walked;
  if (const std::optional<FileInfo> info = fileSystem.Stat(root.empty() ? "/" : root)) {
    walked.insert(IdOf(*info));
  }
  // An explicit stack rather than recursion, so a very deep tree cannot exhaust the
  // call stack.
  std::vector<Frame> stack;
  stack.push_back(OpenFrame(fileSystem, std::move(root)));
  while (!stack.empty()) {
    Frame& frame = stack.back();
    if (frame.next == frame.entries.size()) {
      stack.pop_back();
      continue;
    }
    const DirectoryEntry& entry = frame.entries[frame.next++];
    if (!entry.info.isFolder || !walked.insert(IdOf(entry.info)).second) continue;
    std::string path = frame.path + '/' + entry.name;
    found(path);
    stack.push_back(OpenFrame(fileSystem, std::move(path)));
  }
}

std::size_t CountFilesLeftOutOfFolders(const FileSystem& fileSystem, const std::vector<std::string>& paths,
                                       const ExtensionFilter& filter, const CodePage& codePage) {
  // A file also given by itself has a line of its own.
  const std::set<std::string_view> given(paths.begin(), paths.end());
  std::size_t leftOut = 0;
  for (const std::string& path : paths) {
    if (!fileSystem.IsFolder(path)) continue;
    const std::string folder = path.ends_with('/') ? path : path + '/';
    fileSystem.VisitFolder(path, "*", [&](const DirectoryEntry& entry) {
      if (entry.info.isFolder) return;
      const std::string file = folder + entry.name;
      if (!given.contains(file) && !MatchesExtensionFilter(filter, file, PathSyntax::Posix, codePage))
        ++leftOut;
    });
  }
  return leftOut;
}

}  // namespace morvane::core
