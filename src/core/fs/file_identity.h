#pragma once

#include <chrono>
#include <cstdint>

#include "core/fs/file_id.h"
#include "core/fs/file_system.h"

namespace morvane::core {

// Which file a path held and in what state: enough to tell, later, whether a path still
// holds it unchanged. Runs keep it from their collection, so that the undo journal can
// record each moved file without asking the disk again.
struct FileIdentity {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::uint64_t size = 0;
  std::int64_t modifiedNs = 0;  // the modification time, in nanoseconds since the epoch

  static FileIdentity Of(const FileInfo& info) {
    const auto since = std::chrono::duration_cast<std::chrono::nanoseconds>(info.modified.time_since_epoch());
    return {info.device, info.inode, info.size, static_cast<std::int64_t>(since.count())};
  }
  FileId Id() const { return {device, inode}; }
  bool SameFile(const FileInfo& info) const { return device == info.device && inode == info.inode; }
  // The same file with the same size and modification time: unchanged, as far as can
  // be told without reading it.
  bool Unchanged(const FileInfo& info) const { return Of(info) == *this; }
  bool operator==(const FileIdentity&) const = default;
};

}  // namespace morvane::core
