#include "support/deep_folder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <stdexcept>

namespace morvane::test {
namespace {

int OpenFolderAt(int folder, const std::string& name) {
  const int fd = openat(folder, name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) throw std::runtime_error("cannot open the folder " + name);
  return fd;
}

// Names in an open folder, "." and ".." left out; the descriptor stays open.
std::vector<std::string> NamesIn(int folder) {
  std::vector<std::string> names;
  DIR* dir = fdopendir(dup(folder));
  if (dir == nullptr) return names;
  // The duplicate shares the position where the last listing ended.
  rewinddir(dir);
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  closedir(dir);
  return names;
}

// Removes everything in an open folder, depth first.
void RemoveContents(int folder) {
  for (const std::string& name : NamesIn(folder)) {
    struct stat status {};
    if (fstatat(folder, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(status.st_mode)) {
      const int child = openat(folder, name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
      if (child >= 0) {
        RemoveContents(child);
        close(child);
      }
      unlinkat(folder, name.c_str(), AT_REMOVEDIR);
    } else {
      unlinkat(folder, name.c_str(), 0);
    }
  }
}

}  // namespace

DeepFolder::DeepFolder(const std::string& parent, std::size_t depth) : m_parent(parent) {
  int folder = OpenFolderAt(AT_FDCWD, parent);
  for (int level = 0; m_relative.size() < depth; ++level) {
    std::string name = "level-" + std::to_string(level) + "-";
    name.resize(120, 'd');
    if (mkdirat(folder, name.c_str(), 0777) != 0) throw std::runtime_error("cannot make " + name);
    const int next = OpenFolderAt(folder, name);
    close(folder);
    folder = next;
    if (m_top.empty()) m_top = name;
    m_relative += (m_relative.empty() ? "" : "/") + name;
  }
  m_deepest = folder;
}

DeepFolder::~DeepFolder() {
  close(m_deepest);
  const int parent = open(m_parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (parent < 0) return;
  const int top = openat(parent, m_top.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (top >= 0) {
    RemoveContents(top);
    close(top);
    unlinkat(parent, m_top.c_str(), AT_REMOVEDIR);
  }
  close(parent);
}

void DeepFolder::WriteFile(std::string_view name, std::string_view content) const {
  const std::string file(name);
  const int fd = openat(m_deepest, file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) throw std::runtime_error("cannot write " + file);
  const bool whole = write(fd, content.data(), content.size()) == static_cast<ssize_t>(content.size());
  close(fd);
  if (!whole) throw std::runtime_error("cannot write " + file);
}

std::string DeepFolder::ReadFile(std::string_view name) const {
  const std::string file(name);
  const int fd = openat(m_deepest, file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return {};
  std::string content;
  char buffer[4096];
  for (ssize_t got; (got = read(fd, buffer, sizeof buffer)) > 0;)
    content.append(buffer, static_cast<std::size_t>(got));
  close(fd);
  return content;
}

void DeepFolder::Clear() const { RemoveContents(m_deepest); }

std::vector<std::string> DeepFolder::SortedNames() const {
  std::vector<std::string> names = NamesIn(m_deepest);
  std::ranges::sort(names);
  return names;
}

}  // namespace morvane::test
