#include "core/run/chain_safe_moves.h"

#include "core/names/path_rules.h"
#include "core/text/visible_name.h"

namespace morvane::core {
namespace {

// A step aside tries this many names before it gives up (each one is taken).
constexpr std::size_t kTemporaryNameTries = 1000;

bool IsTaken(const FsResult& result) {
  return result.status == FsStatus::AlreadyExists || result.status == FsStatus::SameFile;
}

}  // namespace

ChainSafeMoves::Texts::Texts(const CodePage& codePage)
    : steppedAside(codePage.FromUtf8("順番待ちのファイルを一時的な名前に移します。")),
      putBack(codePage.FromUtf8("一時的な名前から元の名前に戻しました。")),
      leftAside(codePage.FromUtf8("元の名前に戻せなかったため、一時的な名前のまま残しました。")),
      file(codePage.FromUtf8("リネーム対象ファイル：")),
      temporaryName(codePage.FromUtf8("一時的な名前：")) {}

ChainSafeMoves::ChainSafeMoves(FileSystem& real, ResultLog& log, const CodePage& codePage)
    : ForwardingFileSystem(real), m_log(log), m_codePage(codePage), m_texts(codePage) {}

void ChainSafeMoves::ExpectMoves(const std::vector<PlannedMove>& moves) {
  for (const PlannedMove& move : moves) {
    if (!move.to.empty() && move.to != move.from) m_movesAway.emplace(move.from, move.to);
  }
}

void ChainSafeMoves::TurnEnded(std::string_view path) { m_movesAway.erase(std::string(path)); }

std::string_view ChainSafeMoves::Where(std::string_view path) const {
  if (m_aside.empty()) return path;
  const auto found = m_aside.find(std::string(path));
  return found == m_aside.end() ? path : std::string_view(found->second);
}

std::optional<FileInfo> ChainSafeMoves::Stat(std::string_view path) const {
  return ForwardingFileSystem::Stat(Where(path));
}
FsResult ChainSafeMoves::Unreachable(std::string_view path) const {
  return ForwardingFileSystem::Unreachable(Where(path));
}
bool ChainSafeMoves::IsFolder(std::string_view path) const {
  return ForwardingFileSystem::IsFolder(Where(path));
}
bool ChainSafeMoves::FileExists(std::string_view path) const {
  return ForwardingFileSystem::FileExists(Where(path));
}
FsResult ChainSafeMoves::CopyFile(std::string_view from, std::string_view to, bool replaceExisting) {
  return ForwardingFileSystem::CopyFile(Where(from), to, replaceExisting);
}

FsResult ChainSafeMoves::Rename(std::string_view from, std::string_view to) {
  const std::string source(Where(from));
  FsResult result = ForwardingFileSystem::Rename(source, to);
  if (IsTaken(result) && StepAside(to)) {
    result = ForwardingFileSystem::Rename(source, to);
    // The way was cleared for nothing: the waiting file goes back at once.
    if (!result.Ok()) PutBack(std::string(to));
  }
  if (result.Ok() && source != from) {
    m_aside.erase(std::string(from));
    std::erase(m_asideOrder, std::string(from));
  }
  return result;
}

bool ChainSafeMoves::StepAside(std::string_view path) {
  const std::string key(path);
  if (!m_movesAway.contains(key) || m_aside.contains(key)) return false;
  const std::string folder(
      path.substr(0, path.size() - ExtractFileName(path, PathSyntax::Posix, m_codePage).size()));
  for (std::size_t tries = 0; tries < kTemporaryNameTries; ++tries) {
    const std::string temporary = folder + ".morvane-aside-" + std::to_string(m_nextTemporary++);
    if (ForwardingFileSystem::Stat(temporary)) continue;
    // Recorded first: a fault after the move still leaves the temporary name on record.
    LogStep(m_texts.steppedAside, path, temporary);
    const FsResult moved = ForwardingFileSystem::Rename(key, temporary);
    if (moved.status == FsStatus::AlreadyExists) continue;
    if (!moved.Ok()) return false;
    m_aside.emplace(key, temporary);
    m_asideOrder.push_back(key);
    return true;
  }
  return false;
}

bool ChainSafeMoves::PutBack(const std::string& path) {
  const auto found = m_aside.find(path);
  if (found == m_aside.end()) return true;
  if (!ForwardingFileSystem::Rename(found->second, path).Ok()) return false;
  LogStep(m_texts.putBack, path, {});
  m_aside.erase(found);
  std::erase(m_asideOrder, path);
  return true;
}

std::size_t ChainSafeMoves::PutBackWhatIsAside() {
  const std::vector<std::string> order = m_asideOrder;
  for (const std::string& path : order) {
    const std::string temporary = m_aside.at(path);
    if (!PutBack(path)) LogStep(m_texts.leftAside, path, temporary);
  }
  m_log.FlushNow();
  return m_aside.size();
}

void ChainSafeMoves::LogStep(std::string_view what, std::string_view path, std::string_view temporary) {
  m_log.Append(what);
  m_log.Append(m_texts.file + VisibleName(path, m_codePage));
  if (!temporary.empty()) m_log.Append(m_texts.temporaryName + VisibleName(temporary, m_codePage));
  m_log.FlushNow();
}

}  // namespace morvane::core
