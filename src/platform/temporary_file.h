#pragma once

#include <unistd.h>

#include <string>

#include "platform/at_path.h"

namespace morvane::platform {

// A temporary file that is removed when the object goes, unless it was kept (renamed
// into place), so that no failure path leaves one behind.
class TemporaryFile {
 public:
  explicit TemporaryFile(std::string path) : m_path(std::move(path)) {}
  ~TemporaryFile() {
    if (m_path.empty()) return;
    const AtPath path(m_path);
    if (path.Valid()) unlinkat(path.Folder(), path.Name(), 0);
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  void Keep() { m_path.clear(); }

 private:
  std::string m_path;
};

}  // namespace morvane::platform
