#include "core/undo/journaling_file_system.h"

#include <algorithm>
#include <cerrno>
#include <optional>

#include "core/undo/journal_paths.h"

namespace morvane::core {
namespace {

// How many announced intents go out in one write, beyond the one needed now.
constexpr std::size_t kIntentsAhead = 4096;
// How far past the cursor an announced move is looked for: the run leaves some files
// (a taken name, a failure) without a call.
constexpr std::size_t kLookAhead = 64;

}  // namespace

void JournalingFileSystem::Announce(const std::vector<PlannedMove>& planned, bool copies) {
  m_plan = &planned;
  // A file past the last number is never moved; the run is told of none of them.
  m_announcedCount = static_cast<std::size_t>(
      std::ranges::find_if(planned, [](const PlannedMove& move) { return move.to.empty(); }) -
      planned.begin());
  m_announcedIndex.clear();
  m_copies = copies;
  m_cursor = 0;
  m_written = 0;
  m_nextOwnSeq = m_announcedCount + 1;
}

std::optional<FileIdentity> JournalingFileSystem::IdentityOf(std::string_view path) const {
  const std::optional<FileInfo> info = ForwardingFileSystem::Stat(path);
  if (!info) return std::nullopt;
  return FileIdentity::Of(*info);
}

std::size_t JournalingFileSystem::FindAnnounced(std::string_view from, std::string_view to) const {
  const std::size_t end = std::min(m_announcedCount, m_cursor + kLookAhead);
  for (std::size_t i = m_cursor; i < end; ++i) {
    if (Announced(i).from == from && Announced(i).to == to) return i;
  }
  if (end == m_announcedCount) return std::string::npos;
  // Further on: the run left many files in a row. An index of the sources, made once,
  // keeps the rest of the run announced.
  if (m_announcedIndex.empty()) {
    m_announcedIndex.reserve(m_announcedCount);
    for (std::size_t i = 0; i < m_announcedCount; ++i) m_announcedIndex.emplace(Announced(i).from, i);
  }
  const auto [first, last] = m_announcedIndex.equal_range(from);
  for (auto found = first; found != last; ++found) {
    const std::size_t i = found->second;
    if (i >= m_cursor && Announced(i).to == to) return i;
  }
  return std::string::npos;
}

int JournalingFileSystem::WriteAnnouncedThrough(std::size_t index) {
  if (index < m_written) return 0;
  // A journal that failed takes no more records: no batch is built for it.
  if (const int error = m_journal.Error(); error != 0) return error;
  // A copy costs far more than a write, so copies announce one at a time: a killed
  // copy run leaves at most its copy in hand unmarked.
  const std::size_t end = std::min(m_announcedCount, index + 1 + (m_copies ? 0 : kIntentsAhead));
  // Reused: a fresh block of half a megabyte for every batch costs its page faults.
  std::string& intents = m_intents;
  intents.clear();
  for (std::size_t i = m_written; i < end; ++i) {
    const PlannedMove& move = Announced(i);
    // Recorded as undo will take them; a path given with "." or ".." is rare.
    const std::optional<std::string> plainFrom = PlainFormOf(move.from, *this);
    const std::optional<std::string> plainTo = PlainFormOf(move.to, *this);
    const std::string_view from = plainFrom ? std::string_view(*plainFrom) : move.from;
    const std::string_view to = plainTo ? std::string_view(*plainTo) : move.to;
    m_journal.DeclareFolderOf(intents, from);
    m_journal.DeclareFolderOf(intents, to);
    AppendIntent(intents, i + 1, m_copies ? JournalOpKind::Copy : JournalOpKind::Rename, move.identity, from,
                 to, {});
  }
  const int error = m_journal.WriteIntents(intents);
  if (error == 0) m_written = end;
  return error;
}

int JournalingFileSystem::WriteOwnIntent(JournalOp& op) {
  op.seq = m_nextOwnSeq++;
  for (std::string* path : {&op.from, &op.to}) {
    if (std::optional<std::string> plain = PlainFormOf(*path, *this)) *path = std::move(*plain);
  }
  return WriteJournalIntent(m_journal, op);
}

FsResult JournalingFileSystem::Refusal(int error) const { return {FsStatus::Failed, error}; }

FsResult JournalingFileSystem::Rename(std::string_view from, std::string_view to) {
  if (from == to) return ForwardingFileSystem::Rename(from, to);
  if (!m_copies) {
    if (const std::size_t index = FindAnnounced(from, to); index != std::string::npos) {
      if (const int error = WriteAnnouncedThrough(index); error != 0) return Refusal(error);
      m_cursor = index + 1;
      const FsResult result = ForwardingFileSystem::Rename(from, to);
      if (result.Ok()) m_journal.AddDone({index + 1, std::nullopt});
      return result;
    }
  }
  const std::optional<FileIdentity> identity = IdentityOf(from);
  // Nothing to move: the call fails as it would, and there is nothing to record.
  if (!identity) return ForwardingFileSystem::Rename(from, to);
  JournalOp op{0, JournalOpKind::Rename, *identity, std::string(from), std::string(to), {}};
  if (const int error = WriteOwnIntent(op); error != 0) return Refusal(error);
  const FsResult result = ForwardingFileSystem::Rename(from, to);
  if (result.Ok()) {
    m_journal.AddDone({op.seq, std::nullopt});
    m_journal.FlushDone();
  }
  return result;
}

FsResult JournalingFileSystem::CopyFile(std::string_view from, std::string_view to, bool replaceExisting) {
  const auto copyMade = [&](std::uint64_t seq) {
    const std::optional<FileInfo> made = ForwardingFileSystem::Stat(to);
    // Written with the next intent, or at the end.
    m_journal.AddDone({seq, made ? std::optional(FileIdentity::Of(*made)) : std::nullopt});
  };
  const std::optional<FileInfo> existing =
      replaceExisting ? ForwardingFileSystem::Stat(to) : std::optional<FileInfo>();
  if (m_copies && !existing) {
    if (const std::size_t index = FindAnnounced(from, to); index != std::string::npos) {
      if (const int error = WriteAnnouncedThrough(index); error != 0) return Refusal(error);
      m_cursor = index + 1;
      const FsResult result = ForwardingFileSystem::CopyFile(from, to, replaceExisting);
      if (result.Ok()) copyMade(index + 1);
      return result;
    }
  }
  const std::optional<FileIdentity> identity = IdentityOf(from);
  if (!identity) return ForwardingFileSystem::CopyFile(from, to, replaceExisting);
  JournalOp op{0, JournalOpKind::Copy, *identity, std::string(from), std::string(to), {}};
  if (existing && !existing->isFolder && !identity->SameFile(*existing)) {
    // The former content is kept beside the journal, so that undo can put it back.
    op.kind = JournalOpKind::CopyOver;
    const std::string kept = m_journal.Path() + ".kept-" + std::to_string(m_nextOwnSeq);
    if (!m_journal.Path().empty() && ForwardingFileSystem::CopyFile(to, kept, false).Ok()) op.kept = kept;
  }
  if (const int error = WriteOwnIntent(op); error != 0) return Refusal(error);
  const FsResult result = ForwardingFileSystem::CopyFile(from, to, replaceExisting);
  if (result.Ok()) copyMade(op.seq);
  return result;
}

}  // namespace morvane::core
