#include "platform/mount_table.h"

namespace morvane::platform {
namespace {

bool IsOctalDigit(char c) { return c >= '0' && c <= '7'; }

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::vector<std::string_view> SplitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t pos = 0;
  while (pos < line.size()) {
    while (pos < line.size() && IsBlank(line[pos])) ++pos;
    const std::size_t start = pos;
    while (pos < line.size() && !IsBlank(line[pos])) ++pos;
    if (pos > start) fields.push_back(line.substr(start, pos - start));
  }
  return fields;
}

}  // namespace

std::string DecodeMountField(std::string_view field) {
  std::string decoded;
  decoded.reserve(field.size());
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() && IsOctalDigit(field[i + 1]) &&
        IsOctalDigit(field[i + 2]) && IsOctalDigit(field[i + 3])) {
      const int value = (field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0');
      decoded += static_cast<char>(value & 0xFF);
      i += 3;
    } else {
      decoded += field[i];
    }
  }
  return decoded;
}

std::vector<MountEntry> ParseMountTable(std::string_view text) {
  std::vector<MountEntry> entries;
  std::size_t lineStart = 0;
  while (lineStart < text.size()) {
    std::size_t lineEnd = text.find('\n', lineStart);
    if (lineEnd == std::string_view::npos) lineEnd = text.size();
    const std::vector<std::string_view> fields = SplitFields(text.substr(lineStart, lineEnd - lineStart));
    if (fields.size() >= 3) {
      entries.push_back(
          {DecodeMountField(fields[0]), DecodeMountField(fields[1]), DecodeMountField(fields[2])});
    }
    lineStart = lineEnd + 1;
  }
  return entries;
}

}  // namespace morvane::platform
