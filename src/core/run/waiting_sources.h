#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "core/fs/file_id.h"
#include "core/fs/file_system.h"

namespace morvane::core {

// The sources of a run that have not had their turn yet, counted per file. An overwrite
// must never destroy one of them (copying into a folder that is also a source folder).
//
// A run adds every source before the first turn, so the sources are kept in one sorted
// array, ordered once when first asked, rather than one map node per file. Until then,
// sources that leave in the order they were added are only counted off: a run that
// meets no taken name never orders them at all.
class WaitingSources {
 public:
  // Room for count sources, so that adding a run's sources does not grow the array by
  // copying it again and again.
  void Reserve(std::size_t count) { m_waiting.reserve(count); }
  void Add(const FileId& file);
  // The file's turn has come.
  void Leave(const FileId& file);
  // True when path names a file that is still waiting.
  bool Holds(const FileSystem& fileSystem, std::string_view path) const;
  void Clear();

 private:
  struct Waiting {
    FileId file;
    std::size_t count = 0;
  };
  // The entry of file, or nullptr; orders the array first when a source was added since.
  Waiting* Find(const FileId& file) const;

  mutable std::vector<Waiting> m_waiting;
  mutable bool m_sorted = true;
  // True until the array is first ordered: m_waiting is in the order of Add, and the
  // first m_leftInOrder of them have left.
  mutable bool m_inAddOrder = true;
  std::size_t m_leftInOrder = 0;
  std::size_t m_stillWaiting = 0;
};

}  // namespace morvane::core
