#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>

#include "core/fs/file_system.h"
#include "core/text/code_page.h"
#include "core/undo/journal_format.h"

namespace morvane::core {

// The paths an undo may touch for a journal: a journal edited or damaged by hand must not
// move, copy or remove files elsewhere. A path qualifies when it is absolute, has no "."
// or ".." component, and lies right inside a folder the journal names (its F records); a
// former content qualifies when it was kept beside the journal itself.
// The form of an absolute path a journal records, so that its undo may touch it: without
// "." and empty components, and with a ".." resolved through the real path of the folder
// it is in (a symbolic link's ".." is its target's parent), naming the same file.
// Nothing when the path is already in that form, or is relative, or its ".." cannot be
// resolved (its undo then refuses it, as it refuses any other such path).
std::optional<std::string> PlainFormOf(std::string_view path, const FileSystem& fileSystem);

class JournalPaths {
 public:
  JournalPaths(const JournalContents& journal, std::string_view journalPath,
               const CodePage& codePage = ActiveCodePage());

  bool InRunFolders(std::string_view path) const;
  bool KeptBesideJournal(std::string_view kept) const;
  // Every path the undo of op touches qualifies.
  bool MayUndo(const JournalOp& op) const;

 private:
  std::unordered_set<std::string_view> m_folders;
  std::string m_keptPrefix;
  const CodePage& m_codePage;
};

}  // namespace morvane::core
