#include "core/names/extension_filter.h"

namespace morvane::core {

std::vector<std::string> SplitCommaList(std::string_view text) {
  // A comma is never part of a multi-byte character in either code page, so the bytes
  // can be split directly.
  std::vector<std::string> pieces;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t comma = text.find(',', start);
    if (comma == std::string_view::npos) comma = text.size();
    if (comma > start) pieces.emplace_back(text.substr(start, comma - start));
    start = comma + 1;
  }
  return pieces;
}

ExtensionFilter::ExtensionFilter(std::vector<std::string> words, const CodePage& codePage)
    : m_words(std::move(words), codePage) {
  for (const std::string& word : m_words.Words()) {
    if (word == "*") m_admitsAll = true;
  }
}

bool ExtensionFilter::AdmitsExtension(std::string_view extension) const {
  return m_admitsAll || m_words.HasExtension(extension);
}

ExtensionFilter BuildExtensionFilter(std::string_view fieldText, const CodePage& codePage) {
  if (fieldText.empty() || fieldText == AllFilesText(codePage)) return ExtensionFilter({"*"}, codePage);
  return ExtensionFilter(SplitCommaList(fieldText), codePage);
}

bool MatchesExtensionFilter(const ExtensionFilter& filter, std::string_view path, PathSyntax syntax,
                            const CodePage& codePage) {
  return filter.AdmitsExtension(ExtractFileExt(path, syntax, codePage));
}

std::string EnumerationPattern(std::string_view word) { return "*." + std::string(word); }

std::string AllFilesText(const CodePage& codePage) { return codePage.FromUtf8("すべてのファイル"); }

}  // namespace morvane::core
