#pragma once

#include <string>
#include <string_view>

namespace morvane::platform {

// A path as the system calls take it: its bytes, unchanged, followed by a NUL. A path
// that holds a NUL byte cannot name anything (the system would read only its first
// part), so it is not Valid and callers report it as missing or as EINVAL.
class SystemPath {
 public:
  explicit SystemPath(std::string_view path)
      : m_path(path), m_valid(path.find('\0') == std::string_view::npos) {}

  bool Valid() const { return m_valid; }
  const char* Get() const { return m_path.c_str(); }

 private:
  std::string m_path;
  bool m_valid;
};

// The part of path up to and including its last '/' byte, where the system splits it
// ("" when it has none). New names made next to an entry are appended to it.
inline std::string_view SystemFolderPrefix(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? std::string_view() : path.substr(0, slash + 1);
}

}  // namespace morvane::platform
