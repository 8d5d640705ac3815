#include "core/modes/name_template.h"

#include <algorithm>

#include "core/names/case_option.h"
#include "core/names/input_class.h"
#include "core/names/path_rules.h"
#include "core/text/trim.h"
#include "core/time/local_time.h"

namespace morvane::core {
namespace {

// The fields a date format writes after %: the year in four digits, the rest in two.
constexpr std::string_view kDateFields = "YmdHMS";

// Where the > closing the token that opens at start is, or npos. The search goes by
// whole characters: no trail byte of a double-byte character is below 0x40.
std::size_t TokenEnd(std::string_view text, std::size_t start, const CodePage& codePage) {
  for (std::size_t pos = start + 1; pos < text.size(); pos += codePage.CharLength(text, pos)) {
    if (text[pos] == '>') return pos;
  }
  return std::string_view::npos;
}

// A date format writes only its fields and characters a name may hold.
bool IsWellFormedFormat(std::string_view format, const CodePage& codePage) {
  if (format.empty()) return false;
  const std::string_view refused = DroppedCharacters(InputClass::NameText);
  for (std::size_t pos = 0; pos < format.size();) {
    const std::size_t length = codePage.CharLength(format, pos);
    if (length == 1 && format[pos] == '%') {
      if (pos + 1 == format.size() ||
          (format[pos + 1] != '%' && kDateFields.find(format[pos + 1]) == std::string_view::npos))
        return false;
      pos += 2;
      continue;
    }
    if (length == 1 && refused.find(format[pos]) != std::string_view::npos) return false;
    pos += length;
  }
  return true;
}

std::string FormatTime(std::string_view format, FileTime time) {
  const LocalDateTime local = ToLocalDateTime(time);
  const int values[] = {local.year, local.month, local.day, local.hour, local.minute, local.second};
  std::string out;
  for (std::size_t pos = 0; pos < format.size(); ++pos) {
    const std::size_t field = pos + 1 < format.size() && format[pos] == '%'
                                  ? kDateFields.find(format[pos + 1])
                                  : std::string_view::npos;
    if (field == std::string_view::npos) {
      // "%%" writes one percent sign.
      if (format[pos] == '%' && pos + 1 < format.size()) ++pos;
      out += format[pos];
      continue;
    }
    const std::string digits = std::to_string(values[field]);
    const std::size_t width = field == 0 ? 4 : 2;
    if (digits.size() < width) out.append(width - digits.size(), '0');
    out += digits;
    ++pos;
  }
  return out;
}

}  // namespace

std::string TemplateErrorMessage(const TemplateError& error, const CodePage& codePage) {
  const auto message = [&](std::string_view before, std::string_view after) {
    return codePage.FromUtf8(before) + error.text + codePage.FromUtf8(after);
  };
  switch (error.kind) {
    case TemplateError::Kind::UnknownToken:
      return message("\r\n差し込み項目 ",
                     " はありません。\r\n使えるのは <name> <ext> <parent> <date:書式> <taken:書式> です。");
    case TemplateError::Kind::BadFormat:
      return message(
          "\r\n差し込み項目 ",
          " の書式に誤りがあります。\r\n書式には %Y %m %d %H %M %S %% と、名前に使える文字が使えます。");
    case TemplateError::Kind::Unclosed:
      return message("\r\n差し込み項目 ", " が > で閉じられていません。");
    case TemplateError::Kind::Stray:
      break;
  }
  return message("\r\n", " は差し込み項目の外では使えません。");
}

std::variant<NameTemplate, TemplateError> NameTemplate::Parse(std::string_view text,
                                                              const CodePage& codePage) {
  NameTemplate parsed;
  std::string literal;
  const auto endLiteral = [&] {
    if (!literal.empty()) parsed.m_pieces.push_back({Kind::Literal, std::move(literal)});
    literal.clear();
  };
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = codePage.CharLength(text, pos);
    const char byte = text[pos];
    if (length != 1 || (byte != '<' && byte != '>' && byte != ':')) {
      literal.append(text.substr(pos, length));
      pos += length;
      continue;
    }
    if (byte != '<') return TemplateError{TemplateError::Kind::Stray, std::string(1, byte)};
    const std::size_t end = TokenEnd(text, pos, codePage);
    if (end == std::string_view::npos)
      return TemplateError{TemplateError::Kind::Unclosed, std::string(text.substr(pos))};
    const std::string_view token = text.substr(pos, end + 1 - pos);
    const std::string_view inner = token.substr(1, token.size() - 2);
    const std::size_t colon = inner.find(':');
    const std::string_view name = inner.substr(0, colon);
    Piece piece;
    if (name == "date" || name == "taken") {
      const std::string_view format =
          colon == std::string_view::npos ? std::string_view() : inner.substr(colon + 1);
      if (!IsWellFormedFormat(format, codePage))
        return TemplateError{TemplateError::Kind::BadFormat, std::string(token)};
      piece = {name == "date" ? Kind::Modified : Kind::Taken, std::string(format)};
    } else if (colon == std::string_view::npos && (name == "name" || name == "ext" || name == "parent")) {
      piece.kind = name == "name" ? Kind::Name : name == "ext" ? Kind::Extension : Kind::Parent;
    } else {
      return TemplateError{TemplateError::Kind::UnknownToken, std::string(token)};
    }
    endLiteral();
    parsed.m_pieces.push_back(std::move(piece));
    pos = end + 1;
  }
  endLiteral();
  return parsed;
}

NameTemplate NameTemplate::Literal(std::string_view text) {
  NameTemplate literal;
  if (!text.empty()) literal.m_pieces.push_back({Kind::Literal, std::string(text)});
  return literal;
}

bool NameTemplate::HasTokens() const {
  return std::any_of(m_pieces.begin(), m_pieces.end(),
                     [](const Piece& piece) { return piece.kind != Kind::Literal; });
}

bool NameTemplate::Uses(Kind kind) const {
  return std::any_of(m_pieces.begin(), m_pieces.end(),
                     [kind](const Piece& piece) { return piece.kind == kind; });
}

std::string NameTemplate::Expand(const TemplateFile& file, const CodePage& codePage) const {
  const std::string fileName = ExtractFileName(file.path, PathSyntax::Posix, codePage);
  // A name of blanks is all base name, as the modes split it.
  const bool blank = IsBlank(fileName);
  std::string out;
  for (const Piece& piece : m_pieces) {
    switch (piece.kind) {
      case Kind::Literal:
        out += piece.text;
        break;
      case Kind::Name:
        out += blank ? fileName : ExtractBaseName(fileName, PathSyntax::Posix, codePage);
        break;
      case Kind::Extension:
        if (!blank) {
          const std::string extension = ExtractFileExt(fileName, PathSyntax::Posix, codePage);
          if (!extension.empty()) out.append(extension, 1);
        }
        break;
      case Kind::Parent:
        out += ExtractFileName(FolderPartOf(file.path, PathSyntax::Posix, codePage), PathSyntax::Posix,
                               codePage);
        break;
      case Kind::Modified:
        out += FormatTime(piece.text, file.modified);
        break;
      case Kind::Taken:
        out += FormatTime(piece.text, file.taken);
        break;
    }
  }
  return out;
}

std::string ApplyCaseOutsideTokens(std::string_view text, int caseIndex, const CodePage& codePage) {
  std::string out;
  std::size_t literalStart = 0;
  for (std::size_t pos = 0; pos < text.size(); pos += codePage.CharLength(text, pos)) {
    if (text[pos] != '<') continue;
    const std::size_t end = TokenEnd(text, pos, codePage);
    if (end == std::string_view::npos) break;
    out += ApplyCaseOption(text.substr(literalStart, pos - literalStart), caseIndex, codePage);
    out.append(text.substr(pos, end + 1 - pos));
    literalStart = end + 1;
    pos = end;
  }
  out += ApplyCaseOption(text.substr(literalStart), caseIndex, codePage);
  return out;
}

}  // namespace morvane::core
