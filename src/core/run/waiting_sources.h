#pragma once

#include <cstddef>
#include <functional>
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
// meets no taken name never orders them at all, and a run's own sources are not even
// copied until then: they are read from the run's entries as their turns come.
class WaitingSources {
 public:
  // Adds count sources, the i-th being idAt(i), without copying them yet. idAt must
  // keep answering until Clear.
  void AddInRunOrder(std::size_t count, std::function<FileId(std::size_t)> idAt);
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
  // Copies the sources AddInRunOrder gave into the array.
  void CopyRunOrder() const;
  std::size_t CountInAddOrder() const { return m_idAt ? m_runOrderCount : m_waiting.size(); }
  FileId IdInAddOrder(std::size_t i) const { return m_idAt ? m_idAt(i) : m_waiting[i].file; }

  mutable std::vector<Waiting> m_waiting;
  mutable bool m_sorted = true;
  // True until the array is first ordered: m_waiting is in the order of Add, and the
  // first m_leftInOrder of them have left.
  mutable bool m_inAddOrder = true;
  std::size_t m_leftInOrder = 0;
  // The sources AddInRunOrder gave and has not copied yet: they come before any other.
  mutable std::function<FileId(std::size_t)> m_idAt;
  mutable std::size_t m_runOrderCount = 0;
  std::size_t m_stillWaiting = 0;
};

}  // namespace morvane::core
