#pragma once

#include <chrono>
#include <initializer_list>
#include <string>
#include <string_view>

namespace morvane::test {

// A fresh folder for one test, with MORVANE_HOME pointing at it. It is removed when the
// test passes and kept (its path printed) when the test fails, so the files can be read.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder itself, without a trailing slash.
  const std::string& Root() const { return m_root; }
  // Root + "/" + relative.
  std::string Path(std::string_view relative) const;

  // Creates each file (with its folders); a name ending in '/' creates a folder.
  void CreateFiles(std::initializer_list<std::string_view> relatives) const;
  void WriteFile(std::string_view relative, std::string_view content) const;
  // WriteFile, then the file's modification time set to modified, to the nanosecond:
  // files that differ only in their dates, for the date order.
  void WriteFileModifiedAt(std::string_view relative, std::chrono::system_clock::time_point modified,
                           std::string_view content = {}) const;
  std::string ReadFile(std::string_view relative) const;
  bool Exists(std::string_view relative) const;

 private:
  std::string m_root;
};

}  // namespace morvane::test
