#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "core/fs/file_identity.h"
#include "core/text/byte_arena.h"
#include "core/text/code_page.h"

namespace morvane::core {

// The files a run of the extension change, case conversion, string replacement or
// string addition works on, in ascending order of the full path without regard to
// letter case. Only a byte-equal path is a duplicate, so two files whose names differ
// only in case are two members. The paths live in one arena the members point into.
class RunFileSet {
 public:
  struct Member {
    std::string_view path;
    // As the collection found the file: a run tells by it when a destination is a member
    // still waiting, and the undo journal records it.
    FileIdentity identity;
  };

  explicit RunFileSet(const CodePage& codePage = ActiveCodePage()) : m_codePage(&codePage) {}

  void Add(std::string_view path, const FileIdentity& identity);
  // The members in order, duplicates dropped. Their paths stay valid until Clear or the
  // next Add.
  const std::vector<Member>& Members() const;
  std::size_t Size() const { return Members().size(); }
  void Clear();

 private:
  const CodePage* m_codePage;
  // Collected unsorted and ordered once when next read, like the sequential run's queue.
  mutable std::vector<Member> m_members;
  mutable ByteArena m_paths;
  mutable bool m_sorted = true;
};

}  // namespace morvane::core
