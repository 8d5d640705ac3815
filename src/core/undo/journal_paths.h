#pragma once

#include <string>
#include <string_view>
#include <unordered_set>

#include "core/text/code_page.h"
#include "core/undo/journal_format.h"

namespace morvane::core {

// The paths an undo may touch for a journal: a journal edited or damaged by hand must not
// move, copy or remove files elsewhere. A path qualifies when it is absolute, has no "."
// or ".." component, and lies right inside a folder the journal names (its F records); a
// former content qualifies when it was kept beside the journal itself.
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
