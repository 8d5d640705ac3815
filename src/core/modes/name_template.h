#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/fs/file_system.h"
#include "core/text/code_page.h"

namespace morvane::core {

// A name part that takes pieces of each file's own name and times: the numbering's
// front and back parts, the addition's two texts. Between < and > it may hold
//   <name>           the old name before its extension
//   <ext>            its extension, without the dot
//   <parent>         the name of the folder that holds it
//   <date:FORMAT>    its modification time
//   <taken:FORMAT>   the date it was taken (the modification time when it records none)
// where FORMAT writes %Y %m %d %H %M %S (four-digit year, two-digit rest) and %% (a
// percent sign) among characters a name may hold. The field characters refuse < > :
// elsewhere, so no text from before tokens existed can hold one.

struct TemplateError {
  enum class Kind {
    UnknownToken,  // a token of no known name ("<foo>", "<name:x>")
    BadFormat,     // a date token with no format or a format it cannot write
    Unclosed,      // a < with no > after it
    Stray,         // a > or : outside a token
  };
  Kind kind = Kind::UnknownToken;
  std::string text;  // the token as written, < and > included, or the stray character
};

// The person's words for the error, naming the token, in the code page.
std::string TemplateErrorMessage(const TemplateError& error, const CodePage& codePage = ActiveCodePage());

// What one file's tokens stand for. The times are read only when the template uses
// them (NameTemplate::UsesModified / UsesTaken).
struct TemplateFile {
  std::string_view path;
  FileTime modified{};
  FileTime taken{};  // the date taken, or the modification time standing in
};

class NameTemplate {
 public:
  static std::variant<NameTemplate, TemplateError> Parse(std::string_view text,
                                                         const CodePage& codePage = ActiveCodePage());
  // The text as it stands, for a template whose parse failed or that holds no token.
  static NameTemplate Literal(std::string_view text);

  bool HasTokens() const;
  bool UsesModified() const { return Uses(Kind::Modified); }
  bool UsesTaken() const { return Uses(Kind::Taken); }
  // The part for one file. The path is a full path, its last component the file's name.
  std::string Expand(const TemplateFile& file, const CodePage& codePage = ActiveCodePage()) const;

 private:
  enum class Kind { Literal, Name, Extension, Parent, Modified, Taken };
  struct Piece {
    Kind kind = Kind::Literal;
    std::string text;  // the literal, or a date token's format
  };
  bool Uses(Kind kind) const;

  std::vector<Piece> m_pieces;
};

// The text with the case option applied outside its tokens, so that the preview line
// shows "<name>" as typed whatever the case of the literal around it.
std::string ApplyCaseOutsideTokens(std::string_view text, int caseIndex,
                                   const CodePage& codePage = ActiveCodePage());

}  // namespace morvane::core
