#include "core/undo/journal_paths.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "core/names/path_rules.h"

namespace morvane::core {
namespace {

// An absolute path whose components are all names: no "." or "..", none empty.
bool PlainAbsolute(std::string_view path) {
  if (!path.starts_with('/')) return false;
  std::size_t start = 1;
  while (start <= path.size()) {
    const std::size_t end = std::min(path.find('/', start), path.size());
    const std::string_view component = path.substr(start, end - start);
    if (component.empty() || component == "." || component == "..") return path == "/";
    start = end + 1;
  }
  return true;
}

}  // namespace

std::optional<std::string> PlainFormOf(std::string_view path, const FileSystem& fileSystem) {
  if (!path.starts_with('/') || PlainAbsolute(path)) return std::nullopt;
  std::vector<std::string_view> components;
  std::size_t lastParent = std::string_view::npos;
  for (std::size_t start = 1; start <= path.size();) {
    const std::size_t end = std::min(path.find('/', start), path.size());
    const std::string_view component = path.substr(start, end - start);
    if (component == "..") lastParent = components.size();
    if (!component.empty() && component != ".") components.push_back(component);
    start = end + 1;
  }
  std::string plain;
  std::size_t rest = 0;
  if (lastParent != std::string_view::npos) {
    std::string folder;
    for (std::size_t i = 0; i <= lastParent; ++i) (folder += '/') += components[i];
    std::optional<std::string> real = fileSystem.RealPath(folder);
    if (!real) return std::nullopt;
    plain = std::move(*real);
    if (plain == "/") plain.clear();
    rest = lastParent + 1;
  }
  for (std::size_t i = rest; i < components.size(); ++i) (plain += '/') += components[i];
  if (plain.empty()) plain = "/";
  return plain;
}

JournalPaths::JournalPaths(const JournalContents& journal, std::string_view journalPath,
                           const CodePage& codePage)
    : m_keptPrefix(journalPath.empty() ? std::string() : std::string(journalPath) + ".kept-"),
      m_codePage(codePage) {
  for (const std::string& folder : journal.folders) {
    if (PlainAbsolute(folder)) m_folders.insert(folder);
  }
}

bool JournalPaths::InRunFolders(std::string_view path) const {
  return PlainAbsolute(path) && path != "/" &&
         m_folders.contains(FolderPartOf(path, PathSyntax::Posix, m_codePage));
}

bool JournalPaths::KeptBesideJournal(std::string_view kept) const {
  if (m_keptPrefix.empty() || !kept.starts_with(m_keptPrefix) || kept.size() == m_keptPrefix.size())
    return false;
  return std::ranges::all_of(kept.substr(m_keptPrefix.size()), [](char c) { return c >= '0' && c <= '9'; });
}

bool JournalPaths::MayUndo(const JournalOp& op) const {
  switch (op.kind) {
    case JournalOpKind::CopyOver:
      // Its source is never touched; an empty kept is a former content that could not be
      // kept, which undo reports as such.
      return InRunFolders(op.to) && (op.kept.empty() || KeptBesideJournal(op.kept));
    case JournalOpKind::Rename:
    case JournalOpKind::Copy:
    case JournalOpKind::RemoveCopy:
      break;
  }
  return InRunFolders(op.from) && InRunFolders(op.to);
}

}  // namespace morvane::core
