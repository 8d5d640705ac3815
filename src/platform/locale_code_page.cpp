#include "platform/locale_code_page.h"

#include <langinfo.h>

#include <clocale>

namespace morvane::platform {

const core::CodePage& LocaleCodePage() {
  // Only the character type is taken from the environment: numbers and messages keep
  // the "C" rules that the log formats rely on. Called before other threads run (see the
  // header), where setlocale is safe.
  std::setlocale(LC_CTYPE, "");  // NOLINT(concurrency-mt-unsafe)
  const char* codeset = nl_langinfo(CODESET);
  return core::CodePageForCodeset(codeset != nullptr ? codeset : "");
}

}  // namespace morvane::platform
