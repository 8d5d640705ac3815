#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/text/code_page.h"

namespace morvane::core {

// An ordered list of extension words without dots, as the file types field and the
// protected extensions hold them, tested against extensions without regard to case and,
// in UTF-8, to normalization form (a word typed composed admits an extension that a name
// from macOS holds decomposed).
class ExtensionWords {
 public:
  ExtensionWords() = default;
  ExtensionWords(std::vector<std::string> words, const CodePage& codePage);

  const std::vector<std::string>& Words() const { return m_words; }

  // True when "." + some word equals the extension (dot included) by
  // EqualsCanonicalCaseBlind: in CP932, and for ASCII texts, their upper-case forms are
  // equal byte for byte.
  bool HasExtension(std::string_view extension) const;

 private:
  std::vector<std::string> m_words;
  // CanonicalCaseBlindForm of each dotted word, sorted, made once: the test runs per file.
  std::vector<std::string> m_dottedForms;
  const CodePage* m_codePage = &CodePage::Utf8();
};

}  // namespace morvane::core
