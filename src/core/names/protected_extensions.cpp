#include "core/names/protected_extensions.h"

namespace morvane::core {

ProtectedExtensions::ProtectedExtensions(std::vector<std::string> words, const CodePage& codePage)
    : m_words(std::move(words), codePage) {}

bool IsProtectedExtension(const ProtectedExtensions& list, std::string_view extension) {
  return list.Protects(extension);
}

}  // namespace morvane::core
