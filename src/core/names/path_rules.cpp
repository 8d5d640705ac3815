#include "core/names/path_rules.h"

#include "core/text/trim.h"

namespace morvane::core {
namespace {

std::string WithDot(PathSyntax syntax) {
  std::string set = ".";
  set += PathDelimiters(syntax);
  return set;
}

}  // namespace

std::string_view PathDelimiters(PathSyntax syntax) { return syntax == PathSyntax::Windows ? "\\:" : "/"; }

char PathSeparator(PathSyntax syntax) { return syntax == PathSyntax::Windows ? '\\' : '/'; }

std::size_t LastDelimiter(std::string_view delimiters, std::string_view text, const CodePage& codePage) {
  std::size_t last = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = codePage.CharLength(text, pos);
    if (length == 1 && delimiters.find(text[pos]) != std::string_view::npos) last = pos + 1;
    pos += length;
  }
  return last;
}

std::string ExtractFileName(std::string_view path, PathSyntax syntax, const CodePage& codePage) {
  return std::string(path.substr(LastDelimiter(PathDelimiters(syntax), path, codePage)));
}

std::string ExtractFileExt(std::string_view path, PathSyntax syntax, const CodePage& codePage) {
  const std::size_t p = LastDelimiter(WithDot(syntax), path, codePage);
  if (p > 0 && path[p - 1] == '.') return std::string(path.substr(p - 1));
  return {};
}

std::string FolderPart(std::string_view path, PathSyntax syntax, const CodePage& codePage) {
  const std::string_view delimiters = PathDelimiters(syntax);
  std::size_t p = LastDelimiter(delimiters, path, codePage);
  // Drop the trailing separator unless the folder is a root: the byte before it is a
  // delimiter of its own (a colon or a second separator), not part of a character.
  if (p > 1 && path[p - 1] == PathSeparator(syntax)) {
    const bool beforeIsDelimiter = LastDelimiter(delimiters, path.substr(0, p - 1), codePage) == p - 1;
    if (!beforeIsDelimiter) --p;
  }
  return std::string(path.substr(0, p));
}

std::string ChangeFileExt(std::string_view path, std::string_view newExtension, PathSyntax syntax,
                          const CodePage& codePage) {
  const std::size_t p = LastDelimiter(WithDot(syntax), path, codePage);
  std::string result;
  if (p == 0 || path[p - 1] != '.') {
    result = path;
  } else {
    result = path.substr(0, p - 1);
  }
  result += newExtension;
  return result;
}

std::string ExtractBaseName(std::string_view path, PathSyntax syntax, const CodePage& codePage) {
  if (IsBlank(path)) return {};
  std::string name = ExtractFileName(path, syntax, codePage);
  const std::size_t extensionLength = ExtractFileExt(name, syntax, codePage).size();
  name.resize(name.size() - extensionLength);
  return name;
}

std::string JoinPath(std::string_view folder, std::string_view name, PathSyntax syntax,
                     const CodePage& codePage) {
  std::string result(folder);
  if (!folder.empty() && !EndsWithSeparator(folder, syntax, codePage)) result += PathSeparator(syntax);
  result += name;
  return result;
}

bool EndsWithSeparator(std::string_view path, PathSyntax syntax, const CodePage& codePage) {
  return !path.empty() &&
         LastDelimiter(std::string_view(&PathDelimiters(syntax)[0], 1), path, codePage) == path.size();
}

}  // namespace morvane::core
