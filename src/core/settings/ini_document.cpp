#include "core/settings/ini_document.h"

#include <utility>

#include "core/text/case_conversion.h"
#include "core/text/trim.h"

namespace morvane::core {
namespace {

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// The lines of the bytes, without their line ends. CR LF is one line end; a lone CR or
// LF is one too. Byte-wise on purpose: CR and LF are never part of a multi-byte
// character, even after a lone CP932 lead byte.
std::vector<std::string> SplitLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = start;
    while (end < bytes.size() && !IsLineEnd(bytes[end])) ++end;
    lines.emplace_back(bytes.substr(start, end - start));
    if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ++end;
    start = end + 1;
  }
  return lines;
}

std::string_view CutAtLineEnd(std::string_view value) {
  std::size_t end = 0;
  while (end < value.size() && !IsLineEnd(value[end])) ++end;
  return value.substr(0, end);
}

}  // namespace

IniDocument::IniDocument(const CodePage& codePage) : m_codePage(&codePage) {}

IniDocument IniDocument::Parse(std::string_view bytes, const CodePage& codePage) {
  IniDocument document(codePage);
  bool insideSection = false;
  for (std::string& text : SplitLines(bytes)) {
    Line line = document.ClassifyLine(std::move(text), insideSection);
    if (line.kind == LineKind::Section) insideSection = true;
    document.m_lines.push_back(std::move(line));
  }
  return document;
}

IniDocument::Line IniDocument::ClassifyLine(std::string text, bool insideSection) const {
  Line line;
  line.text = std::move(text);
  const std::string_view view = line.text;
  const std::string_view trimmed = TrimBlanks(view);
  if (!trimmed.empty() && trimmed.front() == '[') {
    // Whole characters: in CP932 the trail byte of a character such as 0x83 0x5D is ']'.
    for (std::size_t pos = 1; pos < trimmed.size(); pos += m_codePage->CharLength(trimmed, pos)) {
      if (trimmed[pos] == ']') {
        line.kind = LineKind::Section;
        line.foldedName = Fold(trimmed.substr(1, pos - 1));
        return line;
      }
    }
    return line;
  }
  if (!insideSection) return line;
  // Byte-wise: '=' (0x3D) is below every CP932 trail byte and every UTF-8 continuation.
  const std::size_t equals = view.find('=');
  if (equals == std::string_view::npos) return line;
  const std::string_view key = TrimBlanks(view.substr(0, equals));
  if (key.empty()) return line;
  line.kind = LineKind::Key;
  line.foldedName = Fold(key);
  line.valueStart = equals + 1;
  return line;
}

std::string IniDocument::Fold(std::string_view name) const { return UpperCaseSjis(name, *m_codePage); }

std::size_t IniDocument::FindSection(std::string_view foldedSection) const {
  for (std::size_t i = 0; i < m_lines.size(); ++i) {
    if (m_lines[i].kind == LineKind::Section && m_lines[i].foldedName == foldedSection) return i;
  }
  return std::string::npos;
}

std::size_t IniDocument::SectionEnd(std::size_t header) const {
  std::size_t end = header + 1;
  while (end < m_lines.size() && m_lines[end].kind != LineKind::Section) ++end;
  return end;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
  const std::size_t header = FindSection(Fold(section));
  if (header == std::string::npos) return std::nullopt;
  const std::string foldedKey = Fold(key);
  const std::size_t end = SectionEnd(header);
  for (std::size_t i = header + 1; i < end; ++i) {
    const Line& line = m_lines[i];
    if (line.kind == LineKind::Key && line.foldedName == foldedKey) return line.text.substr(line.valueStart);
  }
  return std::nullopt;
}

std::vector<std::pair<std::string, std::string>> IniDocument::KeyLines(std::string_view section) const {
  std::vector<std::pair<std::string, std::string>> keyLines;
  const std::size_t header = FindSection(Fold(section));
  if (header == std::string::npos) return keyLines;
  const std::size_t end = SectionEnd(header);
  for (std::size_t i = header + 1; i < end; ++i) {
    const Line& line = m_lines[i];
    if (line.kind != LineKind::Key) continue;
    const std::string_view text = line.text;
    keyLines.emplace_back(TrimBlanks(text.substr(0, line.valueStart - 1)), text.substr(line.valueStart));
  }
  return keyLines;
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  value = CutAtLineEnd(value);
  const std::size_t header = FindSection(Fold(section));
  if (header == std::string::npos) {
    m_lines.push_back(ClassifyLine("[" + std::string(section) + "]", false));
    m_lines.push_back(ClassifyLine(std::string(key) + "=" + std::string(value), true));
    return;
  }
  const std::string foldedKey = Fold(key);
  const std::size_t end = SectionEnd(header);
  std::size_t insertAt = header + 1;
  for (std::size_t i = header + 1; i < end; ++i) {
    Line& line = m_lines[i];
    if (line.kind != LineKind::Key) continue;
    if (line.foldedName == foldedKey) {
      line.text.replace(line.valueStart, std::string::npos, value);
      return;
    }
    insertAt = i + 1;
  }
  // After the last key line, so that blank lines and comments that precede the next
  // section stay where they are.
  const auto position = m_lines.begin() + static_cast<std::ptrdiff_t>(insertAt);
  m_lines.insert(position, ClassifyLine(std::string(key) + "=" + std::string(value), true));
}

void IniDocument::EraseSection(std::string_view section) {
  const std::string folded = Fold(section);
  std::vector<Line> kept;
  kept.reserve(m_lines.size());
  bool erasing = false;
  for (Line& line : m_lines) {
    if (line.kind == LineKind::Section) erasing = line.foldedName == folded;
    if (!erasing) kept.push_back(std::move(line));
  }
  m_lines = std::move(kept);
}

std::string IniDocument::Serialize() const {
  std::size_t size = 0;
  for (const Line& line : m_lines) size += line.text.size() + 2;
  std::string bytes;
  bytes.reserve(size);
  for (const Line& line : m_lines) {
    bytes += line.text;
    bytes += "\r\n";
  }
  return bytes;
}

}  // namespace morvane::core
