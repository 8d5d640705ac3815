#include "core/names/path_rules.h"

#include <string.h>

#include "core/text/trim.h"

namespace morvane::core {
namespace {

// The delimiters with a dot before them, for the rules that look for an extension.
std::string_view WithDot(PathSyntax syntax) { return syntax == PathSyntax::Windows ? ".\\:" : "./"; }

bool IsOneOf(char byte, std::string_view set) {
  for (const char member : set) {
    if (byte == member) return true;
  }
  return false;
}

// text ends with a delimiter that is a character of its own. Only a text whose last
// byte is a delimiter needs the code page's walk.
bool EndsWithDelimiter(std::string_view delimiters, std::string_view text, const CodePage& codePage);

bool IsAscii(std::string_view text) {
  for (const char byte : text) {
    if (static_cast<unsigned char>(byte) >= 0x80) return false;
  }
  return true;
}

}  // namespace

std::string_view PathDelimiters(PathSyntax syntax) { return syntax == PathSyntax::Windows ? "\\:" : "/"; }

char PathSeparator(PathSyntax syntax) { return syntax == PathSyntax::Windows ? '\\' : '/'; }

std::size_t LastDelimiter(std::string_view delimiters, std::string_view text, const CodePage& codePage) {
  // No ASCII byte occurs inside a UTF-8 character, so the last ASCII delimiter byte is
  // always a character of its own and a backward scan finds it.
  if (codePage.Kind() == CodePageKind::Utf8 && IsAscii(delimiters)) {
    if (text.empty()) return 0;
    if (delimiters.size() == 1) {
      const void* found = memrchr(text.data(), delimiters[0], text.size());
      return found == nullptr ? 0
                              : static_cast<std::size_t>(static_cast<const char*>(found) - text.data()) + 1;
    }
    for (std::size_t pos = text.size(); pos > 0; --pos) {
      if (IsOneOf(text[pos - 1], delimiters)) return pos;
    }
    return 0;
  }
  // A CP932 lead byte takes the next byte with it even when that is '\\' or '/', so only a
  // walk from the start tells which bytes begin characters.
  std::size_t last = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = codePage.CharLength(text, pos);
    if (length == 1 && IsOneOf(text[pos], delimiters)) last = pos + 1;
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
  return std::string(FolderPartOf(path, syntax, codePage));
}

std::string_view FolderPartOf(std::string_view path, PathSyntax syntax, const CodePage& codePage) {
  const std::string_view delimiters = PathDelimiters(syntax);
  std::size_t p = LastDelimiter(delimiters, path, codePage);
  // Drop the trailing separator unless the folder is a root: the byte before it is a
  // delimiter of its own (a colon or a second separator), not part of a character.
  if (p > 1 && path[p - 1] == PathSeparator(syntax)) {
    if (!EndsWithDelimiter(delimiters, path.substr(0, p - 1), codePage)) --p;
  }
  return path.substr(0, p);
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
  return EndsWithDelimiter(PathDelimiters(syntax).substr(0, 1), path, codePage);
}

namespace {

bool EndsWithDelimiter(std::string_view delimiters, std::string_view text, const CodePage& codePage) {
  return !text.empty() && IsOneOf(text.back(), delimiters) &&
         LastDelimiter(delimiters, text, codePage) == text.size();
}

}  // namespace

}  // namespace morvane::core
