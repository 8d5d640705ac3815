#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/code_page.h"

namespace morvane::core {

// A list of new names: pairs of an old path and the new name it is to take in its
// folder (or in the output folder), as a script or another program wrote them.
struct ListedName {
  std::string path;
  std::string newName;
  std::size_t line = 0;  // 1-based: the line, or the pair of records, it came from
};

struct NameListFault {
  std::size_t line = 0;
  std::string reason;  // in English, for the command line
};

// How the list is written: lines of old path, a tab and the new name (a line feed ends
// each, a carriage return before it is dropped, an empty line is skipped); or NUL-ended
// records, old path and new name in turn, so that any name can be listed.
enum class NameListSyntax { TabLines, NulRecords };

// The list as read: the names of the good lines, and every line at fault (a line
// without one tab, an empty path or name, a path or name holding NUL, a new name holding
// '/' or being "." or "..", an odd count of records). Paths are kept as written, names as
// their exact bytes; which file a path names is the caller's to check.
struct NameList {
  std::vector<ListedName> names;
  std::vector<NameListFault> faults;
};
NameList ParseNameList(std::string_view text, NameListSyntax syntax);

}  // namespace morvane::core
