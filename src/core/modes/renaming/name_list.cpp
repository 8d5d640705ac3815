#include "core/modes/renaming/name_list.h"

namespace morvane::core {
namespace {

// The fields of the list: its lines split at their tab, or its records in pairs.
struct RawPair {
  std::string_view path;
  std::string_view newName;
  std::size_t line;
  std::string_view fault;  // set when the line could not be split
};

std::vector<RawPair> SplitTabLines(std::string_view text) {
  std::vector<RawPair> pairs;
  std::size_t line = 0;
  while (!text.empty()) {
    ++line;
    const std::size_t end = text.find('\n');
    std::string_view content = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!content.empty() && content.back() == '\r') content.remove_suffix(1);
    if (content.empty()) continue;
    const std::size_t tab = content.find('\t');
    if (tab == std::string_view::npos || content.find('\t', tab + 1) != std::string_view::npos) {
      pairs.push_back({{}, {}, line, "a line holds an old path, one tab and the new name"});
      continue;
    }
    pairs.push_back({content.substr(0, tab), content.substr(tab + 1), line, {}});
  }
  return pairs;
}

std::vector<RawPair> SplitNulRecords(std::string_view text) {
  std::vector<std::string_view> records;
  while (!text.empty()) {
    const std::size_t end = text.find('\0');
    records.push_back(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  std::vector<RawPair> pairs;
  for (std::size_t i = 0; i < records.size(); i += 2) {
    if (i + 1 == records.size()) {
      pairs.push_back({{}, {}, i / 2 + 1, "the last old path has no new name after it"});
      break;
    }
    pairs.push_back({records[i], records[i + 1], i / 2 + 1, {}});
  }
  return pairs;
}

std::string_view NameFault(std::string_view newName) {
  if (newName.empty()) return "the new name is empty";
  if (newName.find('\0') != std::string_view::npos) return "the new name holds a NUL byte";
  if (newName.find('/') != std::string_view::npos)
    return "the new name holds '/': it names a file, not a path";
  if (newName == "." || newName == "..") return "the new name cannot be \".\" or \"..\"";
  return {};
}

}  // namespace

NameList ParseNameList(std::string_view text, NameListSyntax syntax) {
  const std::vector<RawPair> pairs =
      syntax == NameListSyntax::TabLines ? SplitTabLines(text) : SplitNulRecords(text);
  NameList list;
  for (const RawPair& pair : pairs) {
    std::string reason(pair.fault);
    if (reason.empty() && pair.path.empty()) reason = "the old path is empty";
    if (reason.empty() && pair.path.find('\0') != std::string_view::npos)
      reason = "the old path holds a NUL byte";
    if (reason.empty()) reason = NameFault(pair.newName);
    if (reason.empty()) {
      list.names.push_back({std::string(pair.path), std::string(pair.newName), pair.line});
    } else {
      list.faults.push_back({pair.line, std::move(reason)});
    }
  }
  return list;
}

}  // namespace morvane::core
