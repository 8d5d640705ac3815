#include "core/preview/conversion_preview.h"

#include "core/modes/renaming/mode_names.h"

namespace morvane::core {
namespace {

// Every character of it is in CP932 too.
constexpr std::string_view kExampleName = "Ｆｉｌｅ_ﾃﾞｰﾀ がっこう (01).Txt";

}  // namespace

std::string ConversionPreview(const CharacterConversion& conversion, bool extensionToo,
                              const CodePage& codePage) {
  const std::string example = codePage.FromUtf8(kExampleName);
  const ConvertedName converted = CharacterConversionName(example, conversion, extensionToo, codePage);
  const bool made =
      converted.outcome == ConversionOutcome::Changed || converted.outcome == ConversionOutcome::Unchanged;
  return example + " -> " + (made ? converted.name : example);
}

}  // namespace morvane::core
