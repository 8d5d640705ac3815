#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace morvane::test {

// A chain of folders below a folder, so deep that its path is longer than PATH_MAX and
// no path-taking system call can reach it. It is made and removed through folder
// descriptors; the test's own reads and writes inside it go the same way.
class DeepFolder {
 public:
  // Folders of about 120 bytes each, until the chain is at least depth bytes long.
  DeepFolder(const std::string& parent, std::size_t depth);
  ~DeepFolder();
  DeepFolder(const DeepFolder&) = delete;
  DeepFolder& operator=(const DeepFolder&) = delete;

  // The chain below the parent, without a leading or trailing slash.
  const std::string& Relative() const { return m_relative; }
  // The deepest folder's path, and a path in it.
  std::string Path() const { return m_parent + "/" + m_relative; }
  std::string Path(std::string_view name) const { return Path() + "/" + std::string(name); }

  // In the deepest folder.
  void WriteFile(std::string_view name, std::string_view content) const;
  std::string ReadFile(std::string_view name) const;
  std::vector<std::string> SortedNames() const;
  // Removes everything in the deepest folder.
  void Clear() const;

 private:
  std::string m_parent;
  std::string m_relative;
  std::string m_top;  // the first folder of the chain
  int m_deepest = -1;
};

}  // namespace morvane::test
