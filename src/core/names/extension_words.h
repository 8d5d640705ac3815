#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/text/code_page.h"

namespace morvane::core {

// An ordered list of extension words without dots, as the file types field and the
// protected extensions hold them, tested against extensions without regard to case.
class ExtensionWords {
 public:
  ExtensionWords() = default;
  ExtensionWords(std::vector<std::string> words, const CodePage& codePage);

  const std::vector<std::string>& Words() const { return m_words; }

  // True when the upper-case form of "." + some word equals that of the extension
  // (dot included) byte for byte.
  bool HasExtension(std::string_view extension) const;

 private:
  std::vector<std::string> m_words;
  std::vector<std::string> m_upperDottedWords;  // sorted, computed once: the test runs per file
  const CodePage* m_codePage = &CodePage::Utf8();
};

}  // namespace morvane::core
