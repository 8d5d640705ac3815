#include "core/modes/numbering/sequence_name.h"

#include "core/names/case_option.h"

namespace morvane::core {

std::string FormatRunningNumber(std::int64_t number, int width) {
  std::string digits = std::to_string(number);
  if (width > 0 && digits.size() < static_cast<std::size_t>(width)) {
    digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
  }
  return digits;
}

std::string BuildNewPath(std::string_view sourcePath, std::int64_t number, int numberWidth,
                         const RunSettings& settings, PathSyntax syntax, const CodePage& codePage) {
  return BuildNewPath(sourcePath, number, numberWidth, settings, {settings.frontPart, settings.backPart},
                      syntax, codePage);
}

std::string BuildNewPath(std::string_view sourcePath, std::int64_t number, int numberWidth,
                         const RunSettings& settings, StemParts parts, PathSyntax syntax,
                         const CodePage& codePage) {
  // Built in place: a run builds one path per file, a plan two.
  std::string stem;
  stem.reserve(parts.front.size() + parts.back.size() + 20);
  stem += parts.front;
  stem += FormatRunningNumber(number, numberWidth);
  stem += parts.back;

  std::string extension;
  if (!settings.changeExtension) {
    extension = ExtractFileExt(sourcePath, syntax, codePage);
  } else if (!settings.newExtensionText.empty()) {
    extension = "." + settings.newExtensionText;
  }

  std::string_view folder = settings.renameInPlace ? FolderPartOf(sourcePath, syntax, codePage)
                                                   : std::string_view(settings.outputFolder);
  if (EndsWithSeparator(folder, syntax, codePage)) folder.remove_suffix(1);

  std::string path;
  path.reserve(folder.size() + 1 + stem.size() + extension.size());
  path += folder;
  path += PathSeparator(syntax);
  AppendExtensionCase(path, stem, settings.nameCase, codePage);
  AppendExtensionCase(path, extension, settings.extensionCase, codePage);
  return path;
}

}  // namespace morvane::core
