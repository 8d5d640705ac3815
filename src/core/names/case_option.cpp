#include "core/names/case_option.h"

#include "core/text/case_conversion.h"
#include "core/text/trim.h"

namespace morvane::core {

std::string ApplyExtensionCase(std::string_view text, int caseIndex, const CodePage& codePage) {
  if (IsBlank(text)) return {};
  return ApplyCaseOption(text, caseIndex, codePage);
}

void AppendExtensionCase(std::string& out, std::string_view text, int caseIndex, const CodePage& codePage) {
  if (IsBlank(text)) return;
  const auto option = static_cast<CaseOption>(caseIndex);
  if (option == CaseOption::Upper || option == CaseOption::Lower) {
    out += ApplyCaseOption(text, caseIndex, codePage);
  } else {
    out += text;
  }
}

std::string ApplyCaseOption(std::string_view text, int caseIndex, const CodePage& codePage) {
  switch (static_cast<CaseOption>(caseIndex)) {
    case CaseOption::Upper:
      return UpperCaseSjis(text, codePage);
    case CaseOption::Lower:
      return LowerCaseSjis(text, codePage);
    default:
      return std::string(text);
  }
}

}  // namespace morvane::core
