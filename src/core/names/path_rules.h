#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/text/code_page.h"

namespace morvane::core {

// Which separators a path uses. Posix is this system's own: '/' separates folders and
// there is no drive delimiter. Windows ('\' separates, ':' ends a drive letter) is kept
// so that the rules can be checked against paths written with drive letters.
enum class PathSyntax { Posix, Windows };

// The separator bytes of a syntax: "/" or "\\:" (folder separator first).
std::string_view PathDelimiters(PathSyntax syntax);
char PathSeparator(PathSyntax syntax);

// 1-based position of the last byte of text that is in delimiters and is a character of
// its own (never a byte inside a multi-byte character); 0 when there is none.
std::size_t LastDelimiter(std::string_view delimiters, std::string_view text,
                          const CodePage& codePage = ActiveCodePage());

// The part after the last separator (the whole path when it has none).
std::string ExtractFileName(std::string_view path, PathSyntax syntax = PathSyntax::Posix,
                            const CodePage& codePage = ActiveCodePage());

// The extension of the last component, from its last dot to the end, dot included;
// empty when the last component has no dot ("a.x/file" has none).
std::string ExtractFileExt(std::string_view path, PathSyntax syntax = PathSyntax::Posix,
                           const CodePage& codePage = ActiveCodePage());

// The folder that holds the last component, without a trailing separator unless it is
// a root ("/dir/file" gives "/dir", "/file" gives "/", "file" gives "").
std::string FolderPart(std::string_view path, PathSyntax syntax = PathSyntax::Posix,
                       const CodePage& codePage = ActiveCodePage());
// FolderPart as a part of path itself.
std::string_view FolderPartOf(std::string_view path, PathSyntax syntax = PathSyntax::Posix,
                              const CodePage& codePage = ActiveCodePage());

// The path with its extension replaced by newExtension (dot included), or with
// newExtension appended when it has none.
std::string ChangeFileExt(std::string_view path, std::string_view newExtension,
                          PathSyntax syntax = PathSyntax::Posix, const CodePage& codePage = ActiveCodePage());

// The file name without its extension; empty for a path of blanks.
std::string ExtractBaseName(std::string_view path, PathSyntax syntax = PathSyntax::Posix,
                            const CodePage& codePage = ActiveCodePage());

// folder + separator + name, with no separator added when the folder is empty or already
// ends with one ("/" + "x" gives "/x").
std::string JoinPath(std::string_view folder, std::string_view name, PathSyntax syntax = PathSyntax::Posix,
                     const CodePage& codePage = ActiveCodePage());

// True when path ends with a separator character of its own.
bool EndsWithSeparator(std::string_view path, PathSyntax syntax = PathSyntax::Posix,
                       const CodePage& codePage = ActiveCodePage());

}  // namespace morvane::core
