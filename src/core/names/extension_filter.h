#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/names/extension_words.h"
#include "core/names/path_rules.h"
#include "core/text/code_page.h"

namespace morvane::core {

// The pieces of a comma-separated list, each exactly as typed (no blanks trimmed, no
// dot removed), empty pieces left out.
std::vector<std::string> SplitCommaList(std::string_view text);

// A list of extension words (without dots) that admits the files a run may touch, or
// the single word "*" for all files. It may hold the same word twice.
class ExtensionFilter {
 public:
  ExtensionFilter() = default;
  ExtensionFilter(std::vector<std::string> words, const CodePage& codePage);

  const std::vector<std::string>& Words() const { return m_words.Words(); }

  // True when the extension (dot included, or empty) is admitted: some word is "*", or
  // the upper-case forms of "." + word and of the extension are equal byte for byte.
  bool AdmitsExtension(std::string_view extension) const;

 private:
  ExtensionWords m_words;
  bool m_admitsAll = false;
};

// The filter for the text of the file types field: "*" alone for an empty text or the
// all-files item; otherwise the comma-separated words as typed. A text of commas only
// gives an empty filter, which admits nothing.
ExtensionFilter BuildExtensionFilter(std::string_view fieldText, const CodePage& codePage = ActiveCodePage());

// True when the extension of path is admitted by filter.
bool MatchesExtensionFilter(const ExtensionFilter& filter, std::string_view path,
                            PathSyntax syntax = PathSyntax::Posix,
                            const CodePage& codePage = ActiveCodePage());

// The listing pattern for one filter word: "*." + word ("*.*" for the word "*").
std::string EnumerationPattern(std::string_view word);

// The text of the file types field's all-files item in the code page.
std::string AllFilesText(const CodePage& codePage = ActiveCodePage());

}  // namespace morvane::core
