#include "core/preview/preview_text.h"

#include "core/modes/name_template.h"
#include "core/names/case_option.h"
#include "core/preview/conversion_preview.h"
#include "core/text/case_conversion.h"
#include "core/text/trim.h"

namespace morvane::core {

std::optional<std::string> ComposePreview(OperatingMode mode, const PreviewInputs& inputs,
                                          const CodePage& codePage) {
  constexpr std::string_view kUnknown = "???";
  std::string front;
  std::string middle;
  std::string back;
  bool frontTakesCase = true;
  switch (mode) {
    case OperatingMode::SequentialRename:
      front = inputs.front;
      middle = inputs.startNumber;
      back = inputs.back;
      break;
    case OperatingMode::StringReplacement:
      if (inputs.regex) {
        front = "/" + inputs.stringA + "/" + codePage.FromUtf8(" → ");
        back = inputs.stringB;
        frontTakesCase = false;
        break;
      }
      front = std::string(kUnknown) + inputs.stringA + std::string(kUnknown) + codePage.FromUtf8(" → ");
      middle = kUnknown;
      back = inputs.stringB + std::string(kUnknown);
      // String A must match the names as they are; only the replacement takes the case.
      frontTakesCase = false;
      break;
    case OperatingMode::StringAddition:
      front = inputs.stringA;
      middle = kUnknown;
      back = inputs.stringB;
      break;
    case OperatingMode::CharacterConversion:
      return ConversionPreview(inputs.conversion, inputs.convertExtension, codePage);
    case OperatingMode::ExtensionChange:
    case OperatingMode::CaseConversion:
    case OperatingMode::ListedNames:
      return std::nullopt;
  }
  // The tokens of a name part show as typed; each file's own text takes the case.
  if (frontTakesCase) front = ApplyCaseOutsideTokens(front, inputs.nameCase, codePage);
  back = ApplyCaseOutsideTokens(back, inputs.nameCase, codePage);
  std::string text = front + middle + back;
  if (inputs.extensionOn && !IsBlank(inputs.newExtension)) {
    text += "." + ApplyExtensionCase(inputs.newExtension, inputs.extensionCase, codePage);
  }
  return text;
}

std::optional<CaseCycleStep> CyclePreviewCase(int nameCase, int extensionCase) {
  if (nameCase < 0 || nameCase > 2) return std::nullopt;
  const int before = nameCase;
  const int after = (nameCase + 1) % 3;
  if (extensionCase == before) return CaseCycleStep{after, after, true};
  return CaseCycleStep{nameCase, before, false};
}

}  // namespace morvane::core
