#pragma once

#include <cstdint>
#include <functional>

#include "core/fs/file_system.h"

namespace morvane::core {

// Which file a path names (device and inode). Two paths with the same id are one file:
// hard links, links, or another spelling on a case-insensitive file system.
struct FileId {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;

  friend bool operator==(const FileId&, const FileId&) = default;
};

inline FileId IdOf(const FileInfo& info) { return {info.device, info.inode}; }

struct FileIdHash {
  std::size_t operator()(const FileId& id) const {
    return std::hash<std::uint64_t>{}(id.inode ^ (id.device << 1));
  }
};

}  // namespace morvane::core
