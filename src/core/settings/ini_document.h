#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/settings/settings_keys.h"
#include "core/text/code_page.h"

namespace morvane::core {

// The bytes of a settings file (a private-profile file) as a list of lines, to read and
// edit values without disturbing anything else in it.
//
// Reading rules:
// - CR LF, LF and a lone CR each end a line.
// - A line whose first byte after leading blanks is '[' and that holds a ']' opens a
//   section; its name is the text between '[' and the first ']' (a whole-character
//   search, so a CP932 trail byte 0x5D is not taken for it). A '[' line without ']'
//   opens nothing.
// - Inside a section, a line holding '=' is a key line: the key is the text before the
//   first '=', trimmed of blanks (a line with an empty key is not a key line); the value
//   is everything after that '=', byte for byte, blanks included.
// - Every other line (text before the first section, lines without '=', empty lines,
//   comments, binary garbage) is skipped when reading but kept, byte for byte, when the
//   document is serialized.
// - Section and key names compare without regard to ASCII case, in the code page (the
//   trail byte of a double-byte character is never case-folded). The first matching
//   section is the one that counts, and within it the first matching key.
//
// Section and key names passed in are the program's own (the key table): they must not
// hold '=', ']', CR or LF.
class IniDocument {
 public:
  // An empty document.
  explicit IniDocument(const CodePage& codePage);

  // The document held by the bytes; never fails, whatever the bytes are.
  static IniDocument Parse(std::string_view bytes, const CodePage& codePage);

  const CodePage& GetCodePage() const { return *m_codePage; }

  // The raw value of the key, or nothing when the section or the key is missing.
  std::optional<std::string> Get(std::string_view section, std::string_view key) const;

  // The key lines of the section's first header, in order: each key as written (trimmed
  // of blanks) with its raw value, a key written twice listed twice.
  std::vector<std::pair<std::string, std::string>> KeyLines(std::string_view section) const;

  // Sets the key's value. An existing key keeps its line and spelling, only its value
  // changes; a missing key is added after the last key line of its section (after the
  // header when there is none); a missing section is appended at the end, with the key.
  // A value holding CR or LF is stored cut before the first of them, since the rest
  // would otherwise become lines of their own.
  void Set(std::string_view section, std::string_view key, std::string_view value);

  // Removes every section of that name: its header and all lines up to the next header.
  void EraseSection(std::string_view section);

  // The document's bytes: every line followed by CR LF (so line ends are normalized,
  // and a last line without a line end gains one). An empty document gives no bytes.
  std::string Serialize() const;

  // Values under the settings file's rules. A missing key gives the default; a string
  // comes back cut to at most kMaxIniStringBytes bytes on a character boundary; an
  // integer that ParseIniInteger rejects gives the default; a boolean is an integer,
  // non-zero meaning true (so "yes" gives the default).
  std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
  int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
  bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);
  void WriteBool(std::string_view section, std::string_view key, bool value);

  // The same for a key of the key table, with the table's default.
  std::string Read(const keys::StringKey& key) const;
  int Read(const keys::IntKey& key) const;
  bool Read(const keys::BoolKey& key) const;
  void Write(const keys::StringKey& key, std::string_view value);
  void Write(const keys::IntKey& key, int value);
  void Write(const keys::BoolKey& key, bool value);
  // No silent conversions (a text literal to bool, a bool to int).
  template <typename T>
  void Write(const keys::IntKey&, T) = delete;
  template <typename T>
  void Write(const keys::BoolKey&, T) = delete;

 private:
  enum class LineKind { Other, Section, Key };

  struct Line {
    std::string text;  // the bytes, without the line end
    LineKind kind = LineKind::Other;
    std::string foldedName;      // section or key name in upper case, for comparison
    std::size_t valueStart = 0;  // key lines: the index after the first '='
  };

  Line ClassifyLine(std::string text, bool insideSection) const;
  std::string Fold(std::string_view name) const;
  // Index of the first header of the section, or npos.
  std::size_t FindSection(std::string_view foldedSection) const;
  // Index of the first line after the section that starts at the header index.
  std::size_t SectionEnd(std::size_t header) const;

  std::vector<Line> m_lines;
  const CodePage* m_codePage;
};

}  // namespace morvane::core
