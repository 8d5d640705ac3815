#include "core/names/extension_words.h"

#include <algorithm>

#include "core/text/canonical_form.h"

namespace morvane::core {

ExtensionWords::ExtensionWords(std::vector<std::string> words, const CodePage& codePage)
    : m_words(std::move(words)), m_codePage(&codePage) {
  for (const std::string& word : m_words)
    m_dottedForms.push_back(CanonicalCaseBlindForm("." + word, codePage));
  std::ranges::sort(m_dottedForms);
}

bool ExtensionWords::HasExtension(std::string_view extension) const {
  if (m_words.empty()) return false;
  return std::ranges::binary_search(m_dottedForms, CanonicalCaseBlindForm(extension, *m_codePage));
}

}  // namespace morvane::core
