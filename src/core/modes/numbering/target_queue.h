#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "core/fs/file_identity.h"
#include "core/modes/numbering/sort_key.h"
#include "core/run/planned_move.h"
#include "core/text/byte_arena.h"
#include "core/text/code_page.h"

namespace morvane::core {

// The files of a sequential run in run order, as the moves the run will plan: each
// file's path (from), its identity, and, once the run plans its names, its new path
// (to). Files are ordered by a sort key (MakeSortKey) followed by the path, as one text
// without regard to letter case (code-page aware; a space sorts before digits, digits
// before letters), the bytes deciding between texts that differ only in case, and
// reversed for a descending run. Only a byte-equal key and path count as a duplicate
// and are dropped, so two names that differ only in case are both numbered.
//
// The paths live in one arena that the entries point into, and the keys in another,
// freed once the files are ordered: a million files take a few hundred bytes each.
class TargetQueue {
 public:
  explicit TargetQueue(const CodePage& codePage = ActiveCodePage(), bool descending = false)
      : m_codePage(&codePage), m_descending(descending) {}

  // Adds key + path unless a byte-equal entry is present.
  void Add(std::string_view key, std::string_view path, const FileIdentity& identity);
  // The entries in run order, duplicates dropped; to is empty until the run plans it.
  const std::vector<PlannedMove>& Entries() const;
  // The same, for the run to write each entry's new path into, kept in NewPaths.
  std::vector<PlannedMove>& Entries();
  ByteArena& NewPaths() { return m_newPaths; }
  std::size_t Size() const { return Entries().size(); }
  bool Empty() const { return Entries().empty(); }
  void Clear();

 private:
  void Order() const;

  const CodePage* m_codePage;
  bool m_descending;
  // Until the entries are ordered, each entry's to holds its sort key (in m_keys).
  mutable std::vector<PlannedMove> m_entries;
  mutable ByteArena m_keys;
  mutable ByteArena m_paths;
  ByteArena m_newPaths;
  mutable bool m_ordered = true;
};

}  // namespace morvane::core
