#include "core/undo/undo_store.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>

#include "core/fs/program_files.h"
#include "core/names/path_rules.h"

namespace morvane::core {
namespace {

constexpr std::string_view kJournalExtension = ".journal";
constexpr std::string_view kKeptMark = ".journal.kept-";

std::string StampOf(const LocalDateTime& now) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", now.year, now.month, now.day, now.hour,
                now.minute, now.second);
  return stamp;
}

// An id's stamp and its number (1 when it has none).
std::pair<std::string_view, std::size_t> SplitId(std::string_view id) {
  constexpr std::size_t kStamp = 15;
  const std::string_view stamp = id.substr(0, std::min(id.size(), kStamp));
  std::size_t number = 1;
  if (id.size() > kStamp + 1) std::from_chars(id.data() + kStamp + 1, id.data() + id.size(), number);
  return {stamp, number};
}

// The id after id in the order of runs: its stamp with the next number.
std::string NextIdAfter(std::string_view id) {
  const auto [stamp, number] = SplitId(id);
  return std::string(stamp) + "-" + std::to_string(number + 1);
}

// Ids sort as the runs ran: by the stamp, then by the number after it ("-2" < "-10").
bool RanBefore(std::string_view one, std::string_view other) { return SplitId(one) < SplitId(other); }

}  // namespace

std::string JournalIdOf(std::string_view path) {
  const std::string name = ExtractFileName(path);
  if (!std::string_view(name).ends_with(kJournalExtension)) return {};
  return name.substr(0, name.size() - kJournalExtension.size());
}

UndoStore::UndoStore(FileSystem& fileSystem, std::string_view programFolder, std::size_t kept)
    : m_fileSystem(fileSystem),
      m_folder(JoinPath(programFolder, "Undo")),
      m_kept(std::max<std::size_t>(kept, 1)) {}

std::string UndoStore::PathOf(std::string_view id) const {
  return JoinPath(m_folder, std::string(id) + std::string(kJournalExtension));
}

std::vector<std::string> UndoStore::Ids() const {
  std::vector<std::string> ids;
  for (const DirectoryEntry& entry : m_fileSystem.ListFolder(m_folder, "*.journal")) {
    if (entry.info.isFolder || !std::string_view(entry.name).ends_with(kJournalExtension)) continue;
    ids.push_back(entry.name.substr(0, entry.name.size() - kJournalExtension.size()));
  }
  std::ranges::sort(ids,
                    [](const std::string& one, const std::string& other) { return RanBefore(other, one); });
  return ids;
}

JournalReadResult UndoStore::Read(std::string_view id) const {
  const FileReadResult read = m_fileSystem.ReadWholeFile(PathOf(id));
  if (read.status != FileReadStatus::Read) return {std::nullopt, JournalFault::NotAJournal, 0};
  return ParseJournal(read.bytes);
}

std::optional<bool> UndoStatusCache::Undone(std::string_view id, const FileInfo& now) const {
  const auto known = m_known.find(id);
  if (known == m_known.end() || known->second.size != now.size || known->second.modified != now.modified)
    return std::nullopt;
  return known->second.undone;
}

void UndoStatusCache::Remember(std::string_view id, const FileInfo& now, bool undone) {
  m_known.insert_or_assign(std::string(id), Known{now.size, now.modified, undone});
}

std::optional<std::string> UndoStore::NewestToUndo(UndoStatusCache* cache) const {
  for (const std::string& id : Ids()) {
    const std::optional<FileInfo> now = cache != nullptr ? m_fileSystem.Stat(PathOf(id)) : std::nullopt;
    if (now) {
      if (const std::optional<bool> undone = cache->Undone(id, *now)) {
        if (!*undone) return id;
        continue;
      }
    }
    const JournalReadResult read = Read(id);
    // A journal that cannot be read is still the one to undo: the caller says why not.
    if (!read.contents) return id;
    // A run that changed nothing has nothing to undo either.
    const bool passed = !read.contents->undoneBy.empty() || read.contents->intents.empty();
    // Remembered as it was before the read: a change during it is read again next time.
    if (now) cache->Remember(id, *now, passed);
    if (!passed) return id;
  }
  return std::nullopt;
}

void UndoStore::Remove(std::string_view id) {
  const std::string prefix = std::string(id) + std::string(kKeptMark);
  for (const DirectoryEntry& entry : m_fileSystem.ListFolder(m_folder, prefix + "*")) {
    if (std::string_view(entry.name).starts_with(prefix))
      (void)m_fileSystem.DeleteFile(JoinPath(m_folder, entry.name));
  }
  (void)m_fileSystem.DeleteFile(PathOf(id));
}

NewJournal UndoStore::CreateNew(const LocalDateTime& now) {
  if (!m_fileSystem.IsFolder(m_folder)) {
    const FsResult made = m_fileSystem.CreatePrivateFolder(m_folder);
    // Another run may have made it meanwhile.
    if (!made.Ok() && !m_fileSystem.IsFolder(m_folder)) {
      // Something that is no folder holds its name.
      const bool taken = made.status == FsStatus::AlreadyExists || made.systemError == EEXIST;
      return {m_folder, nullptr, taken || made.systemError == 0 ? ENOTDIR : made.systemError};
    }
  }
  const std::vector<std::string> ids = Ids();
  // The new id sorts after every kept one, even when the clock went back.
  std::string id = StampOf(now);
  if (!ids.empty() && !RanBefore(ids.front(), id)) id = NextIdAfter(ids.front());
  constexpr int kAttempts = 1000;
  for (int attempt = 0;; ++attempt) {
    OpenedFile opened = m_fileSystem.OpenForWriting(PathOf(id), WriteStart::CreateNew);
    if (opened.file) return {PathOf(id), std::move(opened.file), 0};
    if (opened.error != EEXIST || attempt == kAttempts)
      return {PathOf(id), nullptr, opened.error != 0 ? opened.error : EIO};
    // Another run took the id a moment ago.
    id = NextIdAfter(id);
  }
}

void UndoStore::Prune() {
  const std::vector<std::string> ids = Ids();
  for (std::size_t i = m_kept; i < ids.size(); ++i) Remove(ids[i]);
}

bool UndoStore::MarkUndone(std::string_view id, std::string_view undoId, const JournalContents& journal) {
  if (journal.cutShort) {
    const FileReadResult read = m_fileSystem.ReadWholeFile(PathOf(id));
    if (read.status != FileReadStatus::Read || read.bytes.size() < journal.wholeLength) return false;
    return m_fileSystem
        .ReplaceFileAtomically(PathOf(id), read.bytes.substr(0, journal.wholeLength) + EncodeUndone(undoId))
        .empty();
  }
  OpenedFile opened = m_fileSystem.OpenForWriting(PathOf(id), WriteStart::Append);
  if (!opened.file) return false;
  const bool written = opened.file->Write(EncodeUndone(undoId)) == 0;
  return opened.file->Close() == 0 && written;
}

}  // namespace morvane::core
