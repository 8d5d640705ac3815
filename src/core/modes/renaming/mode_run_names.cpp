// The new name of each file of the five further modes, made once per file for the plan
// and the run alike.
#include "core/modes/renaming/canonical_find.h"
#include "core/modes/renaming/mode_run.h"
#include "core/names/path_rules.h"

namespace morvane::core {
namespace {

std::optional<LeftReason> ReasonOf(ConversionOutcome outcome) {
  switch (outcome) {
    case ConversionOutcome::Changed:
      return std::nullopt;
    case ConversionOutcome::Unchanged:
      return LeftReason::NothingToConvert;
    case ConversionOutcome::InvalidName:
    case ConversionOutcome::NotRepresentable:
    case ConversionOutcome::ForbiddenName:
      break;
  }
  return LeftReason::Unconvertible;
}

std::optional<LeftReason> ReasonOf(PatternOutcome outcome) {
  switch (outcome) {
    case PatternOutcome::Replaced:
      return std::nullopt;
    case PatternOutcome::NoMatch:
      return LeftReason::TextNotFound;
    case PatternOutcome::MatchLimit:
      return LeftReason::MatchLimit;
    case PatternOutcome::InvalidName:
    case PatternOutcome::ForbiddenName:
    case PatternOutcome::NotRepresentable:
      break;
  }
  return LeftReason::Unconvertible;
}

}  // namespace

ModeRun::NameDecision ModeRun::DecideName(const std::string& path) const {
  const std::string extension = ExtractFileExt(path, PathSyntax::Posix, m_codePage);
  if (!m_inputs.filter.AdmitsExtension(extension)) return {LeftReason::Filtered, {}};
  if (IsProtectedExtension(m_inputs.protectedExtensions, extension)) return {LeftReason::Protected, {}};
  const std::string fileName = ExtractFileName(path, PathSyntax::Posix, m_codePage);
  const NameEditSettings& names = m_inputs.names;
  switch (m_inputs.mode) {
    case OperatingMode::ExtensionChange:
      return {std::nullopt, ExtensionChangeName(fileName, names.newExtensionText, names.nameCase,
                                                names.extensionCase, m_codePage)};
    case OperatingMode::CaseConversion:
      return {std::nullopt, CaseConversionName(fileName, names.nameCase, names.extensionCase, m_codePage)};
    case OperatingMode::StringReplacement: {
      if (m_inputs.pattern) {
        PatternResult replaced = PatternReplacementName(fileName, *m_inputs.pattern, names, m_codePage);
        return {ReasonOf(replaced.outcome), std::move(replaced.name)};
      }
      // Only the base name is searched, never the extension.
      if (!ContainsCanonically(ExtractBaseName(path, PathSyntax::Posix, m_codePage), names.stringA,
                               names.caseSensitive, m_codePage)) {
        return {LeftReason::TextNotFound, {}};
      }
      return {std::nullopt, ReplacementName(fileName, names, m_codePage)};
    }
    case OperatingMode::StringAddition: {
      if (!m_additions.HasTokens()) return {std::nullopt, AdditionName(fileName, names, m_codePage)};
      TemplateParts::Texts texts = m_additions.For(path, m_fileSystem, m_interaction);
      NameEditSettings fileNames = names;
      fileNames.stringA = std::move(texts.first);
      fileNames.stringB = std::move(texts.second);
      return {std::nullopt, AdditionName(fileName, fileNames, m_codePage)};
    }
    case OperatingMode::CharacterConversion: {
      ConvertedName converted =
          CharacterConversionName(fileName, m_inputs.conversion, m_inputs.convertExtension, m_codePage);
      return {ReasonOf(converted.outcome), std::move(converted.name)};
    }
    case OperatingMode::ListedNames: {
      const auto listed = m_inputs.listedNames.find(path);
      // Every file of such a run is listed; one that is not (found in a listed folder)
      // has no name to take.
      if (listed == m_inputs.listedNames.end()) return {LeftReason::Unconvertible, {}};
      return {std::nullopt, listed->second};
    }
    case OperatingMode::SequentialRename:
      break;
  }
  return {std::nullopt, fileName};
}

}  // namespace morvane::core
