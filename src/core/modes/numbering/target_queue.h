#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/fs/file_identity.h"
#include "core/modes/numbering/sort_key.h"
#include "core/text/code_page.h"

namespace morvane::core {

// The files of a sequential run in numbering order: each entry is a 40-byte sort key
// followed by the file's path. Entries are ordered as whole strings without regard to
// letter case (code-page aware; a space sorts before digits, digits before letters), with
// the bytes deciding between entries that differ only in case. Only a byte-equal entry
// counts as a duplicate and is dropped, so two names that differ only in case are both
// numbered.
class TargetQueue {
 public:
  struct Entry {
    std::string text;  // key + path
    // As the collection found the file: a run tells by it when a destination is a source
    // still waiting, and the undo journal records it.
    FileIdentity identity;

    std::string_view Key() const { return std::string_view(text).substr(0, kSortKeyBytes); }
    std::string_view Path() const { return std::string_view(text).substr(kSortKeyBytes); }
  };

  explicit TargetQueue(const CodePage& codePage = ActiveCodePage()) : m_codePage(&codePage) {}

  // Adds key + path unless a byte-equal entry is present.
  void Add(std::string key, std::string_view path, const FileIdentity& identity);
  // The entries in order, duplicates dropped.
  const std::vector<Entry>& Entries() const;
  std::size_t Size() const { return Entries().size(); }
  bool Empty() const { return Entries().empty(); }
  void Clear();

 private:
  const CodePage* m_codePage;
  mutable std::vector<Entry> m_entries;
  mutable bool m_sorted = true;
};

}  // namespace morvane::core
