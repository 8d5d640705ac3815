#include "core/modes/renaming/mode_names.h"

#include "core/modes/renaming/canonical_find.h"
#include "core/names/case_option.h"
#include "core/names/path_rules.h"
#include "core/text/case_conversion.h"
#include "core/text/trim.h"

namespace morvane::core {
namespace {

// Base name and extension as the rename rules split a file name.
struct NameParts {
  std::string base;
  std::string extension;  // with its dot; empty when there is none
};

NameParts SplitName(std::string_view fileName, const CodePage& codePage) {
  // ExtractBaseName gives nothing for a path of blanks; but a Linux file can be called
  // "   ", and such a name is all base name, so no mode drops its blanks.
  if (IsBlank(fileName)) return {std::string(fileName), {}};
  return {ExtractBaseName(fileName, PathSyntax::Posix, codePage),
          ExtractFileExt(fileName, PathSyntax::Posix, codePage)};
}

bool ConvertsCase(int caseIndex) {
  return caseIndex == static_cast<int>(CaseOption::Upper) || caseIndex == static_cast<int>(CaseOption::Lower);
}

// The new base name with the extension (replaced when asked), each in its case.
std::string FinishEditedName(const std::string& base, std::string extension, const NameEditSettings& settings,
                             const CodePage& codePage) {
  if (settings.changeExtension) {
    extension = settings.newExtensionText.empty() ? std::string() : "." + settings.newExtensionText;
  }
  return ApplyCaseOption(base, settings.nameCase, codePage) +
         ApplyCaseOption(extension, settings.extensionCase, codePage);
}

}  // namespace

std::size_t FindString(std::string_view text, std::string_view a, bool caseSensitive,
                       const CodePage& codePage) {
  if (a.empty() || a.size() > text.size()) return std::string_view::npos;
  std::string foldedText;
  std::string foldedA;
  if (!caseSensitive) {
    // The conversion keeps every byte in place, so positions carry over.
    foldedText = UpperCaseSjis(text, codePage);
    foldedA = UpperCaseSjis(a, codePage);
  }
  const std::string_view haystack = caseSensitive ? text : std::string_view(foldedText);
  const std::string_view needle = caseSensitive ? a : std::string_view(foldedA);
  // Character starts are those of the original text: folding ASCII letters moves none.
  for (std::size_t pos = 0; pos + needle.size() <= haystack.size(); pos += codePage.CharLength(text, pos)) {
    if (haystack.compare(pos, needle.size(), needle) == 0) return pos;
  }
  return std::string_view::npos;
}

std::string ReplaceAllOccurrences(std::string_view text, std::string_view a, std::string_view b,
                                  bool caseSensitive, const CodePage& codePage) {
  std::string result;
  std::string_view rest = text;
  // What follows an occurrence starts a new character, so the search begins afresh there.
  for (std::size_t found = FindString(rest, a, caseSensitive, codePage); found != std::string_view::npos;
       found = FindString(rest, a, caseSensitive, codePage)) {
    result.append(rest.substr(0, found));
    result.append(b);
    rest.remove_prefix(found + a.size());
  }
  result.append(rest);
  return result;
}

std::string ConvertedNewExtension(std::string_view newExtensionText, int extensionCase,
                                  const CodePage& codePage) {
  return std::string(TrimBlanks(ApplyCaseOption(newExtensionText, extensionCase, codePage)));
}

std::string ExtensionChangeName(std::string_view fileName, std::string_view newExtensionText, int nameCase,
                                int extensionCase, const CodePage& codePage) {
  std::string name = ApplyCaseOption(SplitName(fileName, codePage).base, nameCase, codePage);
  const std::string extension = ConvertedNewExtension(newExtensionText, extensionCase, codePage);
  if (!extension.empty()) name += "." + extension;
  return name;
}

std::string CaseConversionName(std::string_view fileName, int nameCase, int extensionCase,
                               const CodePage& codePage) {
  std::string name(fileName);
  if (ConvertsCase(nameCase)) {
    const NameParts parts = SplitName(name, codePage);
    name = ApplyCaseOption(parts.base, nameCase, codePage) + parts.extension;
  }
  if (ConvertsCase(extensionCase)) {
    const NameParts parts = SplitName(name, codePage);
    if (!parts.extension.empty())
      name = parts.base + ApplyCaseOption(parts.extension, extensionCase, codePage);
  }
  return name;
}

std::string ReplacementName(std::string_view fileName, const NameEditSettings& settings,
                            const CodePage& codePage) {
  NameParts parts = SplitName(fileName, codePage);
  return FinishEditedName(ReplaceCanonicalOccurrences(parts.base, settings.stringA, settings.stringB,
                                                      settings.caseSensitive, codePage),
                          std::move(parts.extension), settings, codePage);
}

PatternResult PatternReplacementName(std::string_view fileName, const NamePattern& pattern,
                                     const NameEditSettings& settings, const CodePage& codePage) {
  NameParts parts = SplitName(fileName, codePage);
  PatternResult replaced = pattern.Replace(parts.base);
  if (replaced.outcome == PatternOutcome::Replaced)
    replaced.name = FinishEditedName(replaced.name, std::move(parts.extension), settings, codePage);
  return replaced;
}

ConvertedName CharacterConversionName(std::string_view fileName, const CharacterConversion& conversion,
                                      bool extensionToo, const CodePage& codePage) {
  const NameParts parts = SplitName(fileName, codePage);
  ConvertedName base = ConvertCharacters(parts.base, conversion, codePage);
  ConvertedName extension{ConversionOutcome::Unchanged, parts.extension};
  if (extensionToo && !parts.extension.empty()) {
    extension = ConvertCharacters(std::string_view(parts.extension).substr(1), conversion, codePage);
    extension.name.insert(0, 1, '.');
  }
  for (const ConvertedName* part : {&base, &extension}) {
    if (part->outcome != ConversionOutcome::Changed && part->outcome != ConversionOutcome::Unchanged)
      return {part->outcome, {}};
  }
  const bool changed =
      base.outcome == ConversionOutcome::Changed || extension.outcome == ConversionOutcome::Changed;
  return {changed ? ConversionOutcome::Changed : ConversionOutcome::Unchanged, base.name + extension.name};
}

std::string AdditionName(std::string_view fileName, const NameEditSettings& settings,
                         const CodePage& codePage) {
  NameParts parts = SplitName(fileName, codePage);
  return FinishEditedName(settings.stringA + parts.base + settings.stringB, std::move(parts.extension),
                          settings, codePage);
}

}  // namespace morvane::core
