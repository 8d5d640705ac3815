#include "core/names/extension_words.h"

#include "core/text/case_conversion.h"

namespace morvane::core {

ExtensionWords::ExtensionWords(std::vector<std::string> words, const CodePage& codePage)
    : m_words(std::move(words)), m_codePage(&codePage) {
  for (const std::string& word : m_words) m_upperDottedWords.push_back(UpperCaseSjis("." + word, codePage));
}

bool ExtensionWords::HasExtension(std::string_view extension) const {
  if (m_words.empty()) return false;
  const std::string upper = UpperCaseSjis(extension, *m_codePage);
  for (const std::string& word : m_upperDottedWords) {
    if (word == upper) return true;
  }
  return false;
}

}  // namespace morvane::core
