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
  std::string stem = settings.frontPart;
  stem += FormatRunningNumber(number, numberWidth);
  stem += settings.backPart;

  std::string extension;
  if (!settings.changeExtension) {
    extension = ExtractFileExt(sourcePath, syntax, codePage);
  } else if (!settings.newExtensionText.empty()) {
    extension = "." + settings.newExtensionText;
  }

  std::string folder =
      settings.renameInPlace ? FolderPart(sourcePath, syntax, codePage) : settings.outputFolder;
  if (EndsWithSeparator(folder, syntax, codePage)) folder.pop_back();

  std::string path = std::move(folder);
  path += PathSeparator(syntax);
  path += ApplyExtensionCase(stem, settings.nameCase, codePage);
  path += ApplyExtensionCase(extension, settings.extensionCase, codePage);
  return path;
}

}  // namespace morvane::core
